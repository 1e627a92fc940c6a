#include "working_window/column_lines.h"

#include "drawings/flowing_lines.h"
#include "drawings/screen_words.h"

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
    speak();
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

void ColumnLines::showEvent(QShowEvent*) { speak(); }

void ColumnLines::hideEvent(QHideEvent*) { speak(); }

void ColumnLines::speak()
{
    // Screen readers read them all, as a pupil does, once they are there to
    // be read.
    const bool shown = isVisible();
    setAccessibleName(shown ? uiText("WorkingWindow", "The columns added") : QString());
    setAccessibleDescription(shown ? lines_.join("; ") : QString());
}

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

} // namespace rods
