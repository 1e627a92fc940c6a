#include "drawings/figures.h"

#include <QPainter>

namespace rods {

void drawFigures(QPainter& painter, const QRectF& area, const QFont& font, const std::vector<QStaticText>& lines,
                 const QPalette& colours, std::optional<int> column, const std::vector<int>& marked)
{
    painter.save();
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    if (column) {
        // Right-aligned in a fixed-width font: a column stands as many
        // characters from every line's right end.
        const double character = metrics.horizontalAdvance(QLatin1Char('0'));
        const double left = area.right() - (*column + 1) * character;
        for (int line : marked)
            painter.fillRect(QRectF(left, area.top() + line * metrics.lineSpacing(), character, metrics.lineSpacing()),
                             colours.color(QPalette::Highlight));
    }
    painter.setPen(colours.color(QPalette::WindowText));
    for (std::size_t i = 0; i < lines.size(); ++i)
        painter.drawStaticText(QPointF(area.right() - lines[i].size().width(),
                                       area.top() + static_cast<double>(i) * metrics.lineSpacing()),
                               lines[i]);
    painter.restore();
}

} // namespace rods
