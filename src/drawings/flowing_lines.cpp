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
    // Lines per column and the width they take, drawn `scale` times as large:
    // a smaller drawing takes more lines to a column.
    auto perColumnAt = [&](double scale) {
        return std::max(1, static_cast<int>((area.height() / scale - 2 * margin) / step));
    };
    auto widthAt = [&](double scale) {
        const auto columns = (static_cast<int>(lines.size()) + perColumnAt(scale) - 1) / perColumnAt(scale);
        return columns * (widest + 2 * margin) * scale;
    };
    // Scaled down until every line is in the area, rather than cut at its
    // edge; below a third of their size they could no longer be read.
    double scale = 1;
    while (scale > 0.3 && widthAt(scale) > area.width())
        scale *= 0.95;
    const int perColumn = perColumnAt(scale);
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto column = static_cast<int>(i) / perColumn;
        const auto row = static_cast<int>(i) % perColumn;
        painter.drawText(QPointF(margin + column * (widest + 2 * margin), margin + row * step + metrics.ascent()),
                         lines[i]);
    }
    painter.restore();
}

} // namespace rods
