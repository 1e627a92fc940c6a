#include "paper/paper.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPagedPaintDevice>

#include <clocale>
#include <cstdint>
#include <langinfo.h>

namespace rods {

QPageLayout localPageLayout()
{
    // The paper the desktop's locale prints on (LC_PAPER, or LC_ALL or LANG
    // above it), read from the environment without changing the program's
    // own locale: its height in millimetres is 279 for Letter, 297 for A4.
    QPageSize size(QPageSize::A4);
#ifdef __GLIBC__
    if (const locale_t paper = newlocale(LC_PAPER_MASK, "", nullptr); paper != locale_t()) {
        // The C library hands the number back in the low 32 bits of a
        // pointer's room.
        const auto height =
            static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(nl_langinfo_l(_NL_PAPER_HEIGHT, paper)));
        if (height == 279)
            size = QPageSize(QPageSize::Letter);
        freelocale(paper);
    }
#endif
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

PaperStyle::PaperStyle(double dotsPerInch)
    : dotsPerInch_(dotsPerInch)
{
    colours_ = QPalette(Qt::black, Qt::white);
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window})
        colours_.setColor(role, Qt::white);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::HighlightedText})
        colours_.setColor(role, Qt::black);
    colours_.setColor(QPalette::Highlight, QColor(0xff, 0xd8, 0x6b));
}

QFont PaperStyle::font(double points, bool bold) const
{
    QFont font = QGuiApplication::font();
    // In the device's own units, so the same size comes out on every
    // surface whatever its resolution.
    font.setPixelSize(std::max(1, qRound(points * dotsPerInch_ / 72.0)));
    font.setBold(bold);
    return font;
}

QFont PaperStyle::fixedFont(double points) const
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(std::max(1, qRound(points * dotsPerInch_ / 72.0)));
    return font;
}

DrawingLook PaperStyle::look() const
{
    DrawingLook look;
    look.colours = colours_;
    look.font = font(10);
    look.hairline = mm(0.2);
    return look;
}

PaperPages::PaperPages(QPagedPaintDevice& device)
    : device_(device)
    , painter_(&device)
    , style_(device.logicalDpiX())
{
    // The painter's origin is the printable area's top-left corner.
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    body_ = QRectF(0, 0, area.width(), area.height());
    top_ = body_.top();
    painter_.setRenderHint(QPainter::Antialiasing);
    // Words read in the language's direction; the drawings of figures (the
    // rods, the long working, the columns, the squares) set left to right
    // for themselves.
    painter_.setLayoutDirection(QGuiApplication::layoutDirection());
}

QRectF PaperPages::inReadingOrder(const QRectF& fromTheLeft) const
{
    if (painter_.layoutDirection() != Qt::RightToLeft)
        return fromTheLeft;
    return {body_.left() + body_.right() - fromTheLeft.right(), fromTheLeft.top(), fromTheLeft.width(),
            fromTheLeft.height()};
}

double PaperPages::inReadingOrder(double xFromTheLeft) const
{
    return painter_.layoutDirection() == Qt::RightToLeft ? body_.left() + body_.right() - xFromTheLeft : xFromTheLeft;
}

void PaperPages::newPage()
{
    device_.newPage();
    ++pages_;
    top_ = body_.top();
}

void PaperPages::makeRoom(double height)
{
    if (top_ > body_.top() && top_ + height > body_.bottom())
        newPage();
}

double PaperPages::textHeight(const QString& text, const QFont& font, double width) const
{
    const QFontMetricsF metrics(font, &device_);
    return metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text).height();
}

void PaperPages::write(const QString& text, const QFont& font)
{
    const double height = textHeight(text, font, body_.width());
    makeRoom(height);
    painter_.setFont(font);
    painter_.setPen(style_.colours().color(QPalette::WindowText));
    painter_.drawText(QRectF(body_.left(), top_, body_.width(), height), Qt::AlignLeft | Qt::TextWordWrap, text);
    top_ += height;
}

} // namespace rods
