#pragma once

#include "drawings/rods_drawing.h"

#include <QFont>
#include <QPageLayout>
#include <QPainter>

class QPagedPaintDevice;

namespace rods {

// The page size the desktop's locale uses for paper (Letter where that is
// the custom, A4 elsewhere), with margins of 15 mm.
[[nodiscard]] QPageLayout localPageLayout();

// Colours and fonts for paper and pictures saved to files: black on white
// whatever the desktop's colours, with the lit row in a light tint that
// prints well in grey. Sizes in points are for a surface of `dotsPerInch`.
class PaperStyle {
public:
    explicit PaperStyle(double dotsPerInch);

    [[nodiscard]] double mm(double millimetres) const { return millimetres * dotsPerInch_ / 25.4; }
    [[nodiscard]] QFont font(double points, bool bold = false) const;
    [[nodiscard]] QFont fixedFont(double points) const;
    [[nodiscard]] const QPalette& colours() const { return colours_; }
    [[nodiscard]] DrawingLook look() const;

private:
    double dotsPerInch_;
    QPalette colours_;
};

// A paged device filled from the top of its first page down: whatever is
// put on it goes below the last thing, or on a new page when it does not
// fit on this one.
class PaperPages {
public:
    explicit PaperPages(QPagedPaintDevice& device);

    [[nodiscard]] QPainter& painter() { return painter_; }
    [[nodiscard]] const PaperStyle& style() const { return style_; }
    [[nodiscard]] bool isActive() const { return painter_.isActive(); }
    // The area to fill, in device units, and how far down it is filled.
    [[nodiscard]] QRectF body() const { return body_; }
    [[nodiscard]] double top() const { return top_; }
    // Makes room of the given height: a new page unless it fits below, or
    // the page is still empty.
    void makeRoom(double height);
    void newPage();
    void advance(double height) { top_ += height; }
    // Text wrapped to the body's width, from the top down.
    void write(const QString& text, const QFont& font);
    [[nodiscard]] double textHeight(const QString& text, const QFont& font, double width) const;
    [[nodiscard]] int pageCount() const { return pages_; }
    // Where a piece of the page stands in the language's reading order: as
    // given (from the left) in a language read left to right, mirrored
    // across the body in one read right to left.
    [[nodiscard]] QRectF inReadingOrder(const QRectF& fromTheLeft) const;
    [[nodiscard]] double inReadingOrder(double xFromTheLeft) const;

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    PaperStyle style_;
    QRectF body_;
    double top_ = 0;
    int pages_ = 1;
};

} // namespace rods
