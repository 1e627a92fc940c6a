#include "tutor/ui/column_lines.h"

#include <QEvent>
#include <QPainter>

namespace rods {

ColumnLines::ColumnLines(QWidget* parent)
    : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    // Figures and their sums read left to right in every language.
    setLayoutDirection(Qt::LeftToRight);
}

void ColumnLines::setLines(const QStringList& lines)
{
    lines_ = lines;
    // Screen readers read them all, as a pupil does.
    setAccessibleDescription(lines.join("; "));
    drawn_ = QPixmap();
    update();
}

void ColumnLines::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        drawn_ = QPixmap();
    QWidget::changeEvent(event);
}

void ColumnLines::resizeEvent(QResizeEvent*) { drawn_ = QPixmap(); }

void ColumnLines::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (drawn_.isNull()) {
        drawn_ = QPixmap(size() * ratio);
        drawn_.setDevicePixelRatio(ratio);
        drawn_.fill(Qt::transparent);
        QPainter lines(&drawn_);
        drawFlowingLines(lines, rect(), font(), palette().color(QPalette::Text), lines_);
    }
    painter.drawPixmap(0, 0, drawn_);
}

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
