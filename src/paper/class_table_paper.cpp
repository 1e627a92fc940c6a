#include "paper/class_table_paper.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "paper/page_head.h"
#include "paper/paper.h"
#include "paper/paper_files.h"

#include <QDate>
#include <QPagedPaintDevice>
#include <QTextLayout>

#include <algorithm>
#include <numeric>

namespace rods {
namespace {

// In millimetres: the room around each cell's text, across and down, and
// the first page's title and date under its page head.
constexpr double CellSide = 1.5;
constexpr double CellEnd = 0.8;
constexpr double TitleBlock = 16;
// A cell shows this many lines at most, the last cut short with "…".
constexpr int MostLines = 3;

// A text in lines of the width given, at most `most` of them.
QStringList fittedLines(const QString& text, const QFont& font, double width, int most, QPaintDevice* device)
{
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() + 1 == most) {
            lines << QFontMetricsF(font, device).elidedText(text.mid(line.textStart()), Qt::ElideRight, width);
            break;
        }
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines.isEmpty() ? QStringList{QString()} : lines;
}

// How wide each column is drawn. A column whose cells and head fit keeps
// that width; when all do not fit across the page, the widest share what is
// left alike and their text wraps. Room to spare goes to every column.
std::vector<double> columnWidths(const ClassTable& table, const QFont& font, const QFont& headFont, double across,
                                 double padding, QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    const QFontMetricsF headMetrics(headFont, device);
    std::vector<double> wanted;
    for (qsizetype column = 0; column < table.heads.size(); ++column) {
        const QString& head = table.heads[column];
        double longestWord = 0;
        for (const QString& word : head.split(' ', Qt::SkipEmptyParts))
            longestWord = std::max(longestWord, headMetrics.horizontalAdvance(word));
        // A head may take two lines or so; the cells below want one each.
        double width = std::max(longestWord, headMetrics.horizontalAdvance(head) / 2);
        for (const QStringList& row : table.rows)
            if (column < row.size())
                width = std::max(width, metrics.horizontalAdvance(row[column]));
        wanted.push_back(width + padding);
    }
    const double total = std::accumulate(wanted.begin(), wanted.end(), 0.0);
    if (total <= across) {
        for (double& width : wanted)
            width *= across / total;
        return wanted;
    }
    std::vector<std::size_t> narrowFirst(wanted.size());
    std::iota(narrowFirst.begin(), narrowFirst.end(), 0);
    std::stable_sort(narrowFirst.begin(), narrowFirst.end(),
                     [&](std::size_t a, std::size_t b) { return wanted[a] < wanted[b]; });
    double left = across;
    for (std::size_t i = 0; i < narrowFirst.size(); ++i) {
        double& width = wanted[narrowFirst[i]];
        width = std::min(width, left / static_cast<double>(narrowFirst.size() - i));
        left -= width;
    }
    return wanted;
}

// A row of the table laid out: each cell's lines, and the row's height.
struct LaidRow {
    std::vector<QStringList> cells;
    double height = 0;
};

LaidRow layOutRow(const QStringList& texts, const std::vector<double>& widths, const QFont& font, double padding,
                  double end, QPaintDevice* device)
{
    LaidRow row;
    int lines = 1;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        const auto at = static_cast<qsizetype>(column);
        const QString text = at < texts.size() ? texts[at] : QString();
        row.cells.push_back(fittedLines(text, font, widths[column] - padding, MostLines, device));
        lines = std::max(lines, static_cast<int>(row.cells.back().size()));
    }
    row.height = lines * QFontMetricsF(font, device).lineSpacing() + 2 * end;
    return row;
}

void drawRow(PaperPages& pages, const LaidRow& row, const std::vector<double>& widths, const QFont& font, double top,
             double side, double end)
{
    QPainter& painter = pages.painter();
    const double lineSpacing = QFontMetricsF(font, painter.device()).lineSpacing();
    painter.setFont(font);
    painter.setPen(Qt::black);
    double left = pages.body().left();
    for (std::size_t column = 0; column < widths.size(); ++column) {
        const QStringList& lines = row.cells[column];
        for (qsizetype line = 0; line < lines.size(); ++line) {
            const QRectF place(left + side, top + end + static_cast<double>(line) * lineSpacing,
                               widths[column] - 2 * side, lineSpacing);
            painter.drawText(pages.inReadingOrder(place), Qt::AlignLeft | Qt::AlignTop, lines[line]);
        }
        left += widths[column];
    }
}

void drawRule(PaperPages& pages, double y, double thickness, const QColor& colour)
{
    pages.painter().setPen(QPen(colour, pages.style().mm(thickness)));
    pages.painter().drawLine(QLineF(pages.body().left(), y, pages.body().right(), y));
}

ClassTable tableOf(const std::vector<PupilRow>& rows, const QString& title)
{
    ClassTable table;
    table.title = title;
    table.date = QDate::currentDate().toString(Qt::ISODate);
    table.heads = toLines(classColumnHeads());
    for (const PupilRow& row : rows)
        table.rows << toLines(classRowCells(row));
    return table;
}

} // namespace

ClassTable classTable(const std::vector<PupilRow>& rows)
{
    return tableOf(rows, uiText("ClassOverview", "Class overview"));
}

ClassTable setTable(const std::vector<PupilRow>& rows, Operation operation, int level, int set)
{
    // TRANSLATORS: the title of the class overview of one set: %1 is the
    // level's number, %2 the set's.
    const QString title = operation == Operation::Multiply ? uiText("ClassOverview", "Multiplication, level %1, set %2")
                                                           // TRANSLATORS: as above, for division.
                                                           : uiText("ClassOverview", "Division, level %1, set %2");
    return tableOf(rows, title.arg(level).arg(set));
}

bool paintClassTable(QPagedPaintDevice& device, const ClassTable& table)
{
    // Eleven columns read best across the page.
    device.setPageOrientation(QPageLayout::Landscape);
    PaperPages pages(device);
    if (!pages.isActive())
        return false;
    const PaperStyle& style = pages.style();
    const QRectF body = pages.body();
    const QFont font = style.font(9);
    const QFont headFont = style.font(9, true);
    const double side = style.mm(CellSide);
    const double end = style.mm(CellEnd);
    const std::vector<double> widths = columnWidths(table, font, headFont, body.width(), 2 * side, &device);
    const LaidRow heads = layOutRow(table.heads, widths, headFont, 2 * side, end, &device);
    std::vector<LaidRow> rows;
    for (const QStringList& row : table.rows)
        rows.push_back(layOutRow(row, widths, font, 2 * side, end, &device));

    // Each row's page, known before any is drawn, so that every page can
    // say how many there are.
    const double firstTop = body.top() + style.mm(PageHeadMillimetres + TitleBlock) + heads.height;
    const double otherTop = body.top() + style.mm(PageHeadMillimetres) + heads.height;
    std::vector<int> pageOf;
    int page = 0;
    double y = firstTop;
    for (const LaidRow& row : rows) {
        if (y + row.height > body.bottom() && y > (page == 0 ? firstTop : otherTop)) {
            ++page;
            y = otherTop;
        }
        pageOf.push_back(page);
        y += row.height;
    }

    const int pageCount = page + 1;
    QPainter& painter = pages.painter();
    std::size_t next = 0;
    for (int at = 0; at < pageCount; ++at) {
        if (at > 0)
            pages.newPage();
        drawPageHead(pages, table.title, at + 1, pageCount);
        y = body.top() + style.mm(PageHeadMillimetres);
        if (at == 0) {
            const QFont titleFont = style.font(14, true);
            const QFont dateFont = style.font(10);
            const QFontMetricsF titleMetrics(titleFont, &device);
            painter.setPen(Qt::black);
            painter.setFont(titleFont);
            painter.drawText(pages.inReadingOrder(QRectF(body.left(), y, body.width(), titleMetrics.lineSpacing())),
                             Qt::AlignLeft | Qt::AlignTop,
                             titleMetrics.elidedText(table.title, Qt::ElideRight, body.width()));
            painter.setFont(dateFont);
            // TRANSLATORS: under the class overview's title: %1 is the day it
            // was made ("2026-12-07").
            const QString made = uiText("ClassOverview", "As of %1").arg(table.date);
            painter.drawText(pages.inReadingOrder(QRectF(body.left(), y + titleMetrics.lineSpacing() + style.mm(1),
                                                         body.width(), style.mm(TitleBlock))),
                             Qt::AlignLeft | Qt::AlignTop, made);
            y += style.mm(TitleBlock);
        }
        drawRow(pages, heads, widths, headFont, y, side, end);
        y += heads.height;
        drawRule(pages, y, 0.3, Qt::black);
        for (; next < rows.size() && pageOf[next] == at; ++next) {
            drawRow(pages, rows[next], widths, font, y, side, end);
            y += rows[next].height;
            drawRule(pages, y, 0.1, Qt::gray);
        }
    }
    return true;
}

QString saveClassTablePdf(const QString& path, const ClassTable& table)
{
    return savePdf(path, [&table](QPagedPaintDevice& device) { return paintClassTable(device, table); }).error;
}

} // namespace rods
