#include "window/digit_label.h"

#include "board/geometry.h"

namespace rods {

DigitLabel::DigitLabel(const QString& caption, QSize size, QPoint origin, QWidget* board)
    : QLabel(caption, board)
    , origin_(origin)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    resize(size);
    place();
}

void DigitLabel::setTop(int twips)
{
    if (twips == topTwips_)
        return;
    topTwips_ = twips;
    place();
}

void DigitLabel::setLeft(int twips)
{
    if (twips == leftTwips_)
        return;
    leftTwips_ = twips;
    place();
}

void DigitLabel::setAutoSize(bool on)
{
    if (on == autoSize_)
        return;
    autoSize_ = on;
    setWordWrap(!on);
    if (on)
        fitToCaption();
}

void DigitLabel::setBold(bool on)
{
    QFont changed = font();
    changed.setBold(on);
    changeFont(changed);
}

void DigitLabel::setFontSize(int points)
{
    QFont changed = font();
    changed.setPointSizeF(points);
    changeFont(changed);
}

void DigitLabel::setBackColor(SystemColor color)
{
    setBackgroundRole(color == SystemColor::WindowBackground ? QPalette::Base : QPalette::Button);
}

void DigitLabel::setCaption(std::string_view caption)
{
    const QString changed = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    if (changed == text())
        return;
    setText(changed);
    if (autoSize_)
        fitToCaption();
}

void DigitLabel::place() { move(origin_ + QPoint(pixelOf(leftTwips_), pixelOf(topTwips_))); }

void DigitLabel::fitToCaption()
{
    // Measured directly: QLabel's own size hint never drops below a size the
    // label was once given.
    const QFontMetrics metrics = fontMetrics();
    resize(text().isEmpty() ? QSize(0, metrics.height()) : metrics.size(0, text()));
}

void DigitLabel::changeFont(const QFont& changed)
{
    if (changed == font() && testAttribute(Qt::WA_SetFont))
        return;
    setFont(changed);
    if (autoSize_)
        fitToCaption();
}

} // namespace rods
