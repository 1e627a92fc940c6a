#pragma once

#include <QFont>

#include <functional>

class QWidget;

namespace rods {

// How large the Working window's words, boxes and picture are: one number,
// 1 as the window was made, stepped up and down as a browser does it, and kept
// for every problem the window shows while it lives. Every size follows from
// that number and the window's font as it was made, never from the sizes of
// the moment, so that zooming in and back out returns exactly to the sizes
// the window started with; the number stays between the smallest and the
// largest step. At each change the window is called to set the zoom on its
// widgets, since its long working must then be fitted to the lesson, which
// only the window holds; then the window grows with its contents, unless
// maximized or full screen, as far as the screen has room. The keys that
// change how large the window is (Ctrl+plus, Ctrl+minus, Ctrl+0 and F11)
// belong here.
class WindowZoom {
public:
    // The window's widgets whose fonts and sizes follow the zoom.
    struct Widgets {
        QWidget* window;
        QWidget* explanation;
        QWidget* columns;
        QWidget* longMultiplication;
        QWidget* picture;
    };

    // `zoomed` is called whenever the zoom changes, before the window grows,
    // and must set the zoom on the widgets.
    WindowZoom(const Widgets& widgets, std::function<void()> zoomed);

    [[nodiscard]] double zoom() const { return zoom_; }
    void setZoom(double zoom);
    // Sets the zoom's fonts and sizes on the widgets.
    void apply();

private:
    void zoomBy(int steps);

    Widgets widgets_;
    std::function<void()> zoomed_;
    double zoom_ = 1.0;
    QFont baseFont_;
};

} // namespace rods
