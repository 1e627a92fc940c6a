#include "window/column_lines.h"

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
    prepare();
    update();
}

void ColumnLines::prepare()
{
    laidOut_.clear();
    widest_ = 0;
    for (const QString& line : std::as_const(lines_)) {
        QStaticText text(line);
        text.prepare(QTransform(), font());
        widest_ = std::max(widest_, text.size().width());
        laidOut_.push_back(text);
    }
}

void ColumnLines::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        prepare();
    QWidget::changeEvent(event);
}

void ColumnLines::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setPen(palette().color(QPalette::Text));
    const QFontMetricsF metrics(font());
    const double margin = metrics.height() / 2;
    const double step = metrics.lineSpacing();
    const int perColumn = std::max(1, static_cast<int>((height() - 2 * margin) / step));
    for (std::size_t i = 0; i < laidOut_.size(); ++i) {
        const auto column = static_cast<int>(i) / perColumn;
        const auto row = static_cast<int>(i) % perColumn;
        painter.drawStaticText(QPointF(margin + column * (widest_ + 2 * margin), margin + row * step), laidOut_[i]);
    }
}

} // namespace rods
