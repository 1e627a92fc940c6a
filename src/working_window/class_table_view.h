#pragma once

#include "tutor/classroom/class_overview.h"

#include <QStringList>
#include <QTableView>

#include <vector>

class QSortFilterProxyModel;
class QStandardItemModel;

namespace rods {

// A table of pupils' rows as the class overview gives them, which the teacher
// sorts by any column: counts by their number, the rest by their text.
// Activating a row (double-click or Enter) asks for that pupil's progress.
class ClassTableView : public QTableView {
    Q_OBJECT

public:
    explicit ClassTableView(QWidget* parent = nullptr);

    void setRows(std::vector<PupilRow> rows);
    [[nodiscard]] bool isEmpty() const { return rows_.empty(); }

    // The rows in the order the teacher sorted them.
    [[nodiscard]] std::vector<PupilRow> rowsShown() const;
    // The cells as shown, a list per row.
    [[nodiscard]] QList<QStringList> cellsShown() const;
    // The heads and the cells, tab-separated, a line each: what a spreadsheet
    // takes from the clipboard.
    [[nodiscard]] QString text() const;

Q_SIGNALS:
    void pupilActivated(const QString& pupil, const QStringList& files);

private:
    [[nodiscard]] std::size_t rowAt(int shownRow) const;

    QStandardItemModel* model_;
    QSortFilterProxyModel* sorted_;
    std::vector<PupilRow> rows_;
};

} // namespace rods
