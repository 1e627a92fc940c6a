#include "drawings/flowing_lines.h"

#include <QPainter>

#include <algorithm>

namespace rods {

void drawFlowingLines(QPainter& painter, const QRectF& area, const QFont& font, const QColor& colour,
                      const QStringList& lines)
{
    painter.save();
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetricsF metrics(font, painter.device());
    double widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const double margin = metrics.height() / 2;
    const double step = metrics.lineSpacing();
    const int perColumn = std::max(1, static_cast<int>((area.height() - 2 * margin) / step));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto column = static_cast<int>(i) / perColumn;
        const auto row = static_cast<int>(i) % perColumn;
        painter.drawText(area.topLeft()
                             + QPointF(margin + column * (widest + 2 * margin), margin + row * step + metrics.ascent()),
                         lines[i]);
    }
    painter.restore();
}

} // namespace rods
