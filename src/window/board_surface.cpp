#include "window/board_surface.h"

#include "board/geometry.h"

#include <QPainter>
#include <QPaintEvent>

#include <algorithm>

namespace rods {
namespace {

// Lines are laid on pixel centres so that they stay one crisp pixel wide at
// every scale; the pixel is the one the twip position falls in.
double pixelCentre(double twips) { return pixelOf(twips) + 0.5; }

} // namespace

BoardSurface::BoardSurface(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardSurface::line(float x1, float y1, float x2, float y2)
{
    current_ = QPointF(x1, y1);
    lineTo(x2, y2);
}

void BoardSurface::lineTo(float x2, float y2)
{
    const QPointF end(x2, y2);
    // A line with equal ends only moves the current point.
    if (end != current_) {
        const QLineF added(current_, end);
        lines_.push_back(added);
        const QRectF pixels(QPointF(pixelCentre(std::min(added.x1(), added.x2())) - 1,
                                    pixelCentre(std::min(added.y1(), added.y2())) - 1),
                            QPointF(pixelCentre(std::max(added.x1(), added.x2())) + 1,
                                    pixelCentre(std::max(added.y1(), added.y2())) + 1));
        update(pixels.toAlignedRect().translated(contentsRect().topLeft()));
    }
    current_ = end;
}

void BoardSurface::cls()
{
    lines_.clear();
    current_ = QPointF();
    update();
}

QPoint BoardSurface::toPixels(double xTwips, double yTwips) const
{
    return contentsRect().topLeft() + QPoint(pixelOf(xTwips), pixelOf(yTwips));
}

void BoardSurface::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.translate(contentsRect().topLeft());
    QPen pen(palette().color(QPalette::Text), 1.0);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    const QRectF dirty = QRectF(event->rect()).translated(-contentsRect().topLeft()).adjusted(-1, -1, 1, 1);
    for (const QLineF& twips : lines_) {
        const QLineF pixels(pixelCentre(twips.x1()), pixelCentre(twips.y1()), pixelCentre(twips.x2()),
                            pixelCentre(twips.y2()));
        if (QRectF(pixels.p1(), pixels.p2()).normalized().adjusted(-1, -1, 1, 1).intersects(dirty))
            painter.drawLine(pixels);
    }
}

} // namespace rods
