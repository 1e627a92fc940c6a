#include "window/digit_label.h"

#include "board/geometry.h"

namespace rods {

DigitLabel::DigitLabel(const QString& caption, QSize size, QPoint origin, QWidget* board)
    : QLabel(board)
    , origin_(origin)
{
    // Settings first, caption last: each setting lays the caption out anew.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
    resize(size);
    place();
    setText(caption);
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
    if (font().bold() == on)
        return;
    QFont changed = font();
    changed.setBold(on);
    changeFont(changed);
}

void DigitLabel::setFontSize(int points)
{
    if (font().pointSizeF() == points)
        return;
    QFont changed = font();
    changed.setPointSizeF(points);
    changeFont(changed);
}

void DigitLabel::setBackColor(SystemColor color)
{
    const QPalette::ColorRole role = color == SystemColor::WindowBackground ? QPalette::Base : QPalette::Button;
    if (role != backgroundRole())
        setBackgroundRole(role);
}

void DigitLabel::setCaption(std::string_view caption)
{
    captioned_ = true;
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
    setFont(changed);
    if (autoSize_)
        fitToCaption();
}

} // namespace rods
