#include "board/geometry.h"
#include "drawings/screen_words.h"
#include "paper/paper.h"
#include "paper/paper_files.h"

#include <QPagedPaintDevice>

namespace rods {
namespace {

// Each rod 15 mm wide, in the board's proportions: about 113 mm high.
constexpr double RodMillimetres = 15;
// The cut line runs halfway between neighbouring rods, so one cut frees two.
constexpr double CutOutside = (RodPitch - RodWidth) / 2.0;

// Rods of five digits in a row from `firstDigit`, drawn from a board holding
// them and the index rod; the index rod drawn too when asked for.
void drawFive(QPainter& painter, const PaperStyle& style, int firstDigit, QPointF topLeft, double scale,
              bool withIndexRod)
{
    RodsDrawing rods;
    std::vector<int> digits;
    for (int digit = firstDigit; digit < firstDigit + 5; ++digit)
        digits.push_back(digit);
    rods.setRods(digits);
    rods.place(topLeft, -CutOutside, BoardTop - CutOutside, scale);
    RodsDrawing::Part part;
    if (!withIndexRod)
        part.right = rodFrame(4).right + CutOutside;
    rods.drawRods(painter, style.look(), QPalette::Text, part);
}

void drawCutLines(QPainter& painter, const PaperStyle& style, QPointF topLeft, double scale, int slots)
{
    QPen dashes(QColor(0x80, 0x80, 0x80), style.mm(0.25), Qt::DashLine);
    painter.setPen(dashes);
    painter.setBrush(Qt::NoBrush);
    const double height = (RodHeight + 2 * CutOutside) * scale;
    for (int slot = 0; slot <= slots; ++slot) {
        const double x = topLeft.x() + RodPitch * slot * scale;
        painter.drawLine(QLineF(x, topLeft.y(), x, topLeft.y() + height));
    }
    for (const double y : {topLeft.y(), topLeft.y() + height})
        painter.drawLine(QLineF(topLeft.x(), y, topLeft.x() + RodPitch * slots * scale, y));
}

} // namespace

bool paintCutoutRods(QPagedPaintDevice& device)
{
    // Narrow margins: eleven rods of 15 mm need 183 mm across.
    device.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    PaperPages pages(device);
    if (!pages.isActive())
        return false;
    const PaperStyle& style = pages.style();
    pages.write(
        uiText("CutoutRods", "Rods to cut out: the rods 0 to 9, twice, and the index rod. Cut along the dashed lines."),
        style.font(10));
    pages.advance(style.mm(3));
    const double scale = style.mm(RodMillimetres) / RodWidth;
    const double rowHeight = (RodHeight + 2 * CutOutside) * scale;
    for (const bool withIndexRod : {true, false}) {
        const QPointF topLeft(pages.body().left(), pages.top());
        drawFive(pages.painter(), style, 0, topLeft, scale, false);
        drawFive(pages.painter(), style, 5, topLeft + QPointF(5 * RodPitch * scale, 0), scale, withIndexRod);
        drawCutLines(pages.painter(), style, topLeft, scale, withIndexRod ? 11 : 10);
        pages.advance(rowHeight + style.mm(5));
    }
    return true;
}

} // namespace rods
