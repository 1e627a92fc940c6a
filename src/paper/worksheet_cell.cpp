#include "paper/worksheet_cell.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "paper/paper.h"

#include <QPainter>

#include <algorithm>

namespace rods {
namespace {

// In millimetres: the heading's line, and the gap between the rods and the
// room.
constexpr double HeadingHeight = 8.0;
constexpr double Gap = 3.0;
// Digits in the room's squares: 11 points stand about 2.9 mm high in a
// square of 5 mm.
constexpr double FigurePoints = 11;

} // namespace

WorksheetCell::WorksheetCell(int number, const WorksheetProblem& problem, const WorksheetLook& look)
    // TRANSLATORS: a problem's heading on a worksheet: %1 is its number, %2
    // the problem, such as "3. 307 × 12 =".
    : heading_(uiText("Worksheet", "%1. %2").arg(number).arg(fromUtf8(problem.text)))
    , chart_(problem.problem.rods)
    , room_(problem, look.room)
    , rods_(look.rods)
{
}

void WorksheetCell::layOut(const PaperStyle& style, const QPaintDevice* device, double widest)
{
    const double headingWidth =
        QFontMetricsF(style.font(HeadingPoints, true), device).horizontalAdvance(heading_) / style.mm(1);
    const QSizeF room = room_.size();
    QSizeF content = room;
    if (rods_) {
        const QSizeF chart = chart_.size();
        besides_ = chart.width() + Gap + room.width() <= widest;
        content = besides_ ? QSizeF(chart.width() + Gap + room.width(), std::max(chart.height(), room.height()))
                           : QSizeF(std::max(chart.width(), room.width()), chart.height() + Gap + room.height());
    }
    size_ = QSizeF(std::min(widest, std::max(headingWidth, content.width())), HeadingHeight + content.height());
}

void WorksheetCell::draw(QPainter& painter, const PaperStyle& style, QPointF topLeft) const
{
    const QFont heading = style.font(HeadingPoints, true);
    painter.setFont(heading);
    painter.setPen(Qt::black);
    // "3. 307 × 12 =" is figures, left to right in every language.
    painter.save();
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.drawText(topLeft + QPointF(0, QFontMetricsF(heading, painter.device()).ascent()), heading_);
    painter.restore();
    QPointF at = topLeft + QPointF(0, style.mm(HeadingHeight));
    if (rods_) {
        QFont digits = style.font(RodsChart::DigitPoints, true);
        chart_.draw(painter, at, style.mm(1), digits);
        at += besides_ ? QPointF(style.mm(chart_.size().width() + Gap), 0)
                       : QPointF(0, style.mm(chart_.size().height() + Gap));
    }
    room_.draw(painter, at, style.mm(1), style.font(FigurePoints));
}

} // namespace rods
