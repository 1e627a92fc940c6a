#include "working_window/class_table_view.h"

#include "drawings/text_lines.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

namespace rods {
namespace {

constexpr int SortRole = Qt::UserRole;    // what the column sorts by
constexpr int RowRole = Qt::UserRole + 1; // the row's place in rows_

// The number a count's cell shows, for the columns that show one, in the
// order of classColumnHeads(): by their text, 10 would come before 9. The
// other columns sort by their text, the last day among them (year first).
QVariant countShown(const PupilRow& row, int column)
{
    switch (column) {
    case 1:
        return row.problems;
    case 2:
        return row.answers;
    case 3:
        return row.rightFirst;
    case 4: // the share right at the first try; a pupil with no answers below 0%
        return row.answers > 0 ? double(row.rightFirst) / row.answers : -1.0;
    case 5:
        return row.skipped;
    case 10:
        return qulonglong(row.unreadable);
    default:
        return {};
    }
}

QString oneLine(QString cell)
{
    for (QChar& c : cell)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return cell;
}

} // namespace

ClassTableView::ClassTableView(QWidget* parent)
    : QTableView(parent)
    , model_(new QStandardItemModel(this))
    , sorted_(new QSortFilterProxyModel(this))
{
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(SortRole);
    sorted_->setSortLocaleAware(true);
    setModel(sorted_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the buttons; the arrows move in it.
    setTabKeyNavigation(false);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    horizontalHeader()->setMaximumSectionSize(360);
    model_->setHorizontalHeaderLabels(toLines(classColumnHeads()));
    setSortingEnabled(true);
    sortByColumn(0, Qt::AscendingOrder);
    connect(this, &QAbstractItemView::activated, this, [this](const QModelIndex& index) {
        const PupilRow& row = rows_.at(rowAt(index.row()));
        QStringList files;
        for (const std::string& file : row.files)
            files << fromUtf8(file);
        Q_EMIT pupilActivated(fromUtf8(row.pupil), files);
    });
}

void ClassTableView::setRows(std::vector<PupilRow> rows)
{
    rows_ = std::move(rows);
    model_->removeRows(0, model_->rowCount());
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const std::vector<std::string> cells = classRowCells(rows_[r]);
        QList<QStandardItem*> items;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QStandardItem(fromUtf8(cells[c]));
            const QVariant count = countShown(rows_[r], int(c));
            item->setData(count.isValid() ? count : item->text(), SortRole);
            item->setData(qulonglong(r), RowRole);
            if (count.isValid())
                item->setTextAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
            items << item;
        }
        model_->appendRow(items);
    }
    resizeColumnsToContents();
}

std::size_t ClassTableView::rowAt(int shownRow) const
{
    return std::size_t(sorted_->index(shownRow, 0).data(RowRole).toULongLong());
}

std::vector<PupilRow> ClassTableView::rowsShown() const
{
    std::vector<PupilRow> shown;
    for (int r = 0; r < sorted_->rowCount(); ++r)
        shown.push_back(rows_.at(rowAt(r)));
    return shown;
}

QList<QStringList> ClassTableView::cellsShown() const
{
    QList<QStringList> cells;
    for (int r = 0; r < sorted_->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < sorted_->columnCount(); ++c)
            row << sorted_->index(r, c).data().toString();
        cells << row;
    }
    return cells;
}

QString ClassTableView::text() const
{
    QStringList heads;
    for (int c = 0; c < model_->columnCount(); ++c)
        heads << oneLine(model_->headerData(c, Qt::Horizontal).toString());
    QStringList lines{heads.join('\t')};
    for (const QStringList& row : cellsShown()) {
        QStringList cells;
        for (const QString& cell : row)
            cells << oneLine(cell);
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

} // namespace rods
