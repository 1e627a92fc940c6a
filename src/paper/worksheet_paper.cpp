#include "drawings/text_lines.h"
#include "paper/paper.h"
#include "paper/paper_files.h"
#include "tutor/problems/worksheet.h"

#include <QPagedPaintDevice>

namespace rods {
namespace {

// Room to work a problem in, beside its rods: a line for each row and the
// sum, or a long-division frame with a line for each part taken away and
// what is left.
constexpr double RodsMillimetres = 70;
constexpr double LineMillimetres = 9;

void drawNameAndDate(PaperPages& pages)
{
    const PaperStyle& style = pages.style();
    QPainter& painter = pages.painter();
    const QFont font = style.font(12);
    const QFontMetricsF metrics(font, painter.device());
    const QRectF body = pages.body();
    const double baseline = pages.top() + metrics.ascent() + style.mm(2);
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, style.mm(0.25)));
    const QString name = "Name";
    const QString date = "Date";
    painter.drawText(QPointF(body.left(), baseline), name);
    const double nameEnd = body.left() + metrics.horizontalAdvance(name) + style.mm(2);
    const double dateStart = body.left() + body.width() * 0.65;
    painter.drawLine(QLineF(nameEnd, baseline + style.mm(1), dateStart - style.mm(6), baseline + style.mm(1)));
    painter.drawText(QPointF(dateStart, baseline), date);
    painter.drawLine(QLineF(dateStart + metrics.horizontalAdvance(date) + style.mm(2), baseline + style.mm(1),
                            body.right(), baseline + style.mm(1)));
    pages.advance(metrics.lineSpacing() + style.mm(6));
}

// The problem, and under it the room to work it (workingRoomHeight high).
void drawWorkingRoom(QPainter& painter, const PaperStyle& style, const WorksheetProblem& problem, QRectF area)
{
    // A long problem in a smaller size, never into the rods beside it.
    QFont font = style.font(14, true);
    for (double points = 13;
         points >= 8 && QFontMetricsF(font, painter.device()).horizontalAdvance(fromUtf8(problem.text)) > area.width();
         --points)
        font = style.font(points, true);
    const QFontMetricsF metrics(font, painter.device());
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(area.left(), area.top() + metrics.ascent()), fromUtf8(problem.text));
    double y = area.top() + metrics.lineSpacing();
    const QPen rule(Qt::gray, style.mm(0.2));
    const QPen heavy(Qt::black, style.mm(0.4));
    const double right = area.right();
    if (problem.problem.operation == Operation::Divide) {
        // The divisor, the bracket and the line over the dividend, with room
        // above it for the quotient.
        const QFont figures = style.fixedFont(14);
        const QFontMetricsF figureMetrics(figures, painter.device());
        const QString divisor = QString::number(rodsNumber(problem.problem.rods));
        const QString dividend = QString::number(problem.problem.number);
        y += style.mm(LineMillimetres);
        const double baseline = y + figureMetrics.ascent();
        painter.setFont(figures);
        painter.drawText(QPointF(area.left(), baseline), divisor);
        const double bracket = area.left() + figureMetrics.horizontalAdvance(divisor) + style.mm(1.5);
        painter.setPen(heavy);
        const double top = y - style.mm(1);
        const double bottom = y + figureMetrics.lineSpacing();
        painter.drawArc(QRectF(bracket - style.mm(2), top, style.mm(3), bottom - top), -80 * 16, 160 * 16);
        painter.drawLine(QLineF(bracket, top, bracket + figureMetrics.horizontalAdvance(dividend) + style.mm(4), top));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(bracket + style.mm(2), baseline), dividend);
        y = bottom;
    }
    painter.setPen(rule);
    for (int line = 0; line < problem.workingLines; ++line) {
        y += style.mm(LineMillimetres);
        const bool sum = problem.problem.operation == Operation::Multiply && line + 1 == problem.workingLines;
        if (sum && problem.workingLines > 2) {
            // The sum's line: the rows are added above it.
            painter.setPen(heavy);
            painter.drawLine(QLineF(area.left(), y - style.mm(LineMillimetres) + style.mm(1.5), right,
                                    y - style.mm(LineMillimetres) + style.mm(1.5)));
            painter.setPen(rule);
        }
        painter.drawLine(QLineF(area.left(), y, right, y));
    }
}

double workingRoomHeight(const PaperStyle& style, const WorksheetProblem& problem, const QPaintDevice* device)
{
    double height = QFontMetricsF(style.font(14, true), device).lineSpacing();
    if (problem.problem.operation == Operation::Divide)
        height += style.mm(LineMillimetres) + QFontMetricsF(style.fixedFont(14), device).lineSpacing();
    return height + problem.workingLines * style.mm(LineMillimetres) + style.mm(2);
}

// The answers in two columns, down the first and then the second, so that
// the key of a whole sheet mostly fits on one page.
void writeAnswerKey(PaperPages& pages, const Worksheet& sheet)
{
    const PaperStyle& style = pages.style();
    pages.newPage();
    pages.write("Answer key", style.font(16, true));
    pages.write(fromUtf8(sheet.title) + " \u2013 " + fromUtf8(sheet.source), style.font(11));
    pages.advance(style.mm(4));
    QPainter& painter = pages.painter();
    const QRectF body = pages.body();
    const double gap = style.mm(8);
    const double width = (body.width() - gap) / 2;
    const QFont answerFont = style.font(11, true);
    const QFont partialsFont = style.font(9);
    double top = pages.top();
    double y = top;
    int column = 0;
    for (std::size_t i = 0; i < sheet.problems.size(); ++i) {
        const WorksheetProblem& problem = sheet.problems[i];
        const QString answer = QString("%1.  %2").arg(i + 1).arg(fromUtf8(problem.answer));
        QString partials;
        if (!problem.partials.empty())
            partials = problem.problem.operation == Operation::Multiply
                           ? QString("Rows added: %1").arg(fromUtf8(problem.partials))
                           : QString("Taken away: %1").arg(fromUtf8(problem.partials));
        const double answerHeight = pages.textHeight(answer, answerFont, width);
        const double partialsHeight = partials.isEmpty() ? 0.0 : pages.textHeight(partials, partialsFont, width);
        const double height = answerHeight + partialsHeight + style.mm(2);
        if (y + height > body.bottom() && y > top) {
            if (column == 0) {
                column = 1;
            } else {
                pages.newPage();
                column = 0;
                top = pages.top();
            }
            y = top;
        }
        const double x = body.left() + column * (width + gap);
        painter.setPen(Qt::black);
        painter.setFont(answerFont);
        painter.drawText(QRectF(x, y, width, answerHeight), Qt::AlignLeft | Qt::TextWordWrap, answer);
        painter.setFont(partialsFont);
        painter.drawText(QRectF(x, y + answerHeight, width, partialsHeight), Qt::AlignLeft | Qt::TextWordWrap,
                         partials);
        y += height;
    }
}

} // namespace

bool paintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet)
{
    PaperPages pages(device);
    if (!pages.isActive())
        return false;
    const PaperStyle& style = pages.style();
    drawNameAndDate(pages);
    pages.write(fromUtf8(sheet.title), style.font(15, true));
    pages.write(fromUtf8(sheet.source), style.font(12));
    pages.advance(style.mm(6));
    const QRectF body = pages.body();
    QPainter& painter = pages.painter();
    for (std::size_t i = 0; i < sheet.problems.size(); ++i) {
        const WorksheetProblem& problem = sheet.problems[i];
        RodsDrawing rods;
        rods.setRods(problem.problem.rods);
        const QRectF extent = rods.extent();
        const double rodsWidth = body.width() * 0.5;
        const double rodsHeight = std::min(style.mm(RodsMillimetres), rodsWidth * extent.height() / extent.width());
        const double height = std::max(rodsHeight, workingRoomHeight(style, problem, &device));
        pages.makeRoom(height + style.mm(6));
        const double top = pages.top();
        const QRectF room(body.left(), top, body.width() * 0.45, height);
        const QString numbered = QString("%1.").arg(i + 1);
        painter.setFont(style.font(14, true));
        painter.setPen(Qt::black);
        const double numberWidth = QFontMetricsF(painter.font(), &device).horizontalAdvance("00.") + style.mm(2);
        painter.drawText(QPointF(body.left(), top + QFontMetricsF(painter.font(), &device).ascent()), numbered);
        drawWorkingRoom(painter, style, problem, room.adjusted(numberWidth, 0, 0, 0));
        rods.fitInto(QRectF(body.right() - rodsWidth, top, rodsWidth, rodsHeight));
        rods.draw(painter, style.look());
        pages.advance(height + style.mm(6));
    }
    writeAnswerKey(pages, sheet);
    return true;
}

} // namespace rods
