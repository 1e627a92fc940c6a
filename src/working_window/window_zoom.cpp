#include "working_window/window_zoom.h"

#include "working_window/window_keys.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace rods {
namespace {

// Zoom steps, as a browser's: each press of Ctrl+plus goes one up.
constexpr double ZoomSteps[] = {0.75, 0.9, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

} // namespace

WindowZoom::WindowZoom(const Widgets& widgets, std::function<void()> zoomed)
    : widgets_(widgets)
    , zoomed_(std::move(zoomed))
    , baseFont_(widgets.window->font())
{
    QWidget* window = widgets_.window;
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        addWindowShortcut(window, keys, [this] { zoomBy(1); });
    addWindowShortcut(window, QKeySequence::ZoomOut, [this] { zoomBy(-1); });
    addWindowShortcut(window, Qt::CTRL | Qt::Key_0, [this] { setZoom(1.0); });
    addWindowShortcut(window, Qt::Key_F11,
                      [window] { window->isFullScreen() ? window->showNormal() : window->showFullScreen(); });
}

void WindowZoom::zoomBy(int steps)
{
    const auto* at = std::upper_bound(std::begin(ZoomSteps), std::end(ZoomSteps), zoom_ - 0.01);
    const auto index = std::clamp<std::ptrdiff_t>(at - std::begin(ZoomSteps) + steps, 0, std::size(ZoomSteps) - 1);
    const double zoom = ZoomSteps[index];
    // Zooming in stops where the screen ends: a window larger than its
    // screen would hide its buttons. Every size follows the zoom, so the
    // least size at the next step is the least size now, scaled (a little
    // more than it will be, as the picture's least size stays).
    const QWidget* window = widgets_.window;
    if (const QScreen* screen = window->screen(); zoom > zoom_ && screen != nullptr) {
        // As laid out at the zoom of now, not as last laid out.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QSize least = (QSizeF(window->minimumSizeHint()) * (zoom / zoom_)).toSize();
        const QSize room = screen->availableGeometry().size();
        if (least.width() > room.width() || least.height() > room.height())
            return;
    }
    setZoom(zoom);
}

void WindowZoom::setZoom(double zoom)
{
    zoom = std::clamp(zoom, ZoomSteps[0], ZoomSteps[std::size(ZoomSteps) - 1]);
    if (zoom == zoom_)
        return;
    const double grown = zoom / zoom_;
    zoom_ = zoom;
    zoomed_();
    // The window grows with its contents, as far as the screen has room.
    QWidget* window = widgets_.window;
    if (!window->isMaximized() && !window->isFullScreen()) {
        QSize size = (QSizeF(window->size()) * grown).toSize();
        if (const QScreen* screen = window->screen())
            size = size.boundedTo(screen->availableGeometry().size());
        window->resize(size);
    }
}

void WindowZoom::apply()
{
    QFont base = baseFont_;
    base.setPointSizeF(baseFont_.pointSizeF() * zoom_);
    widgets_.window->setFont(base);
    // Larger than the toolkit's default: pupils read these.
    QFont reading = base;
    reading.setPointSizeF(base.pointSizeF() * 1.25);
    widgets_.explanation->setFont(reading);
    widgets_.columns->setFont(reading);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(reading.pointSizeF() * 1.2);
    widgets_.longMultiplication->setFont(fixed);
    // The picture scales down before anything is cut: its least size stays
    // as made, so that a large zoom still fits a small screen.
}

} // namespace rods
