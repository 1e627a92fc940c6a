#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "paper/page_head.h"
#include "paper/paper.h"
#include "paper/paper_files.h"
#include "paper/worksheet_cell.h"
#include "paper/worksheet_grid.h"

#include <QPagedPaintDevice>

namespace rods {

void writeAnswerKey(PaperPages& pages, const Worksheet& sheet);

namespace {

// In millimetres: the head of the first page under its page head (the
// sheet's title line, its sets, the name and date lines), and the gap
// between cells, across and down.
constexpr double FirstPageHead = 30;
constexpr double CellGap = 5;

// The top of the first page: the teacher's line, or else the sheet's
// title, large; the sets or the list; lines for the pupil's name and the
// date.
void drawFirstPageHead(PaperPages& pages, const Worksheet& sheet)
{
    const PaperStyle& style = pages.style();
    QPainter& painter = pages.painter();
    const QRectF body = pages.body();
    const double top = body.top() + style.mm(PageHeadMillimetres);
    const QFont titleFont = style.font(16, true);
    const QFont sourceFont = style.font(11);
    const QFont nameFont = style.font(12);
    painter.setPen(Qt::black);
    painter.setFont(titleFont);
    const QString title = fromUtf8(sheet.heading.empty() ? sheet.title : sheet.heading);
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    // Each piece where the language reads it first: from the left, or
    // mirrored from the right.
    auto write = [&](double left, double lineTop, double width, const QFontMetricsF& metrics, const QString& text) {
        painter.drawText(pages.inReadingOrder(QRectF(left, lineTop, width, metrics.lineSpacing())),
                         Qt::AlignLeft | Qt::AlignTop, metrics.elidedText(text, Qt::ElideRight, width));
    };
    write(body.left(), top, body.width(), titleMetrics, title);
    painter.setFont(sourceFont);
    const QFontMetricsF sourceMetrics(sourceFont, painter.device());
    write(body.left(), top + style.mm(9), body.width(), sourceMetrics, fromUtf8(sheet.source));

    const double baseline = top + style.mm(21);
    const QFontMetricsF metrics(nameFont, painter.device());
    painter.setFont(nameFont);
    // TRANSLATORS: the word before the line a pupil writes a name on.
    const QString name = uiText("Worksheet", "Name");
    // TRANSLATORS: the word before the line a pupil writes the date on.
    const QString date = uiText("Worksheet", "Date");
    const double nameWidth = metrics.horizontalAdvance(name);
    const double dateWidth = metrics.horizontalAdvance(date);
    const double nameEnd = body.left() + nameWidth + style.mm(2);
    const double dateStart = body.left() + body.width() * 0.65;
    write(body.left(), baseline - metrics.ascent(), nameWidth + 1, metrics, name);
    write(dateStart, baseline - metrics.ascent(), dateWidth + 1, metrics, date);
    painter.setPen(QPen(Qt::black, style.mm(0.25)));
    const double line = baseline + style.mm(1);
    auto rule = [&](double from, double to) {
        painter.drawLine(QLineF(pages.inReadingOrder(from), line, pages.inReadingOrder(to), line));
    };
    rule(nameEnd, dateStart - style.mm(6));
    rule(dateStart + dateWidth + style.mm(2), body.right());
}

} // namespace

bool paintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet, const WorksheetLook& look)
{
    PaperPages pages(device);
    if (!pages.isActive())
        return false;
    const PaperStyle& style = pages.style();
    const QRectF body = pages.body();
    const double width = body.width() / style.mm(1);
    std::vector<WorksheetCell> cells;
    std::vector<QSizeF> sizes;
    for (std::size_t i = 0; i < sheet.problems.size(); ++i) {
        cells.emplace_back(static_cast<int>(i) + 1, sheet.problems[i], look);
        cells.back().layOut(style, &device, width);
        sizes.push_back(cells.back().size());
    }
    const GridPages grid = packCells(
        sizes, {width, body.height() / style.mm(1), PageHeadMillimetres + FirstPageHead, PageHeadMillimetres, CellGap});
    const QString title = sheet.heading.empty()
                              ? fromUtf8(sheet.title)
                              // TRANSLATORS: the head of each page of a worksheet: %1 is the teacher's
                              // own line, %2 the worksheet's title.
                              : uiText("PageHead", "%1 \u2013 %2").arg(fromUtf8(sheet.heading), fromUtf8(sheet.title));
    const int pageCount = static_cast<int>(grid.size());
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            pages.newPage();
        drawPageHead(pages, title, page + 1, pageCount);
        if (page == 0)
            drawFirstPageHead(pages, sheet);
        for (const PlacedCell& placed : grid[static_cast<std::size_t>(page)])
            cells[placed.index].draw(pages.painter(), style,
                                     body.topLeft() + QPointF(style.mm(placed.at.x()), style.mm(placed.at.y())));
    }
    if (look.answerKey)
        writeAnswerKey(pages, sheet);
    return true;
}

} // namespace rods
