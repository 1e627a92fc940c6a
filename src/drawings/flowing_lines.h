#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QStringList>

class QPainter;

namespace rods {

// Short lines, one under the other in the font given, flowing into as many
// columns side by side as the area's height needs, and scaled down (to a third
// size at most) when even so they would stand past the area's edge. Drawn
// this way on the screen and on paper alike.
void drawFlowingLines(QPainter& painter, const QRectF& area, const QFont& font, const QColor& colour,
                      const QStringList& lines);

} // namespace rods
