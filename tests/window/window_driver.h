#pragma once

#include "board/geometry.h"
#include "window/board_surface.h"
#include "window/digit_label.h"
#include "window/form1.h"
#include "window/text_box.h"
#include "working_window/working_window.h"

#include <QImage>
#include <QPushButton>
#include <QStringList>

#include <memory>

class QLineEdit;

// Drives a fresh, shown window the way a person does: typing into the real
// boxes and clicking the real buttons. Reads back texts, captions, list items
// and the board's pixels.
class WindowDriver {
public:
    WindowDriver();
    ~WindowDriver();

    rods::Form1& window() { return *window_; }
    rods::FormControls& controls() { return window_->controls(); }
    const rods::BoardState& board() const { return window_->board(); }

    // Replaces the box's text by typing; long texts are pasted.
    void type(QLineEdit* box, const QString& text);
    void click(QAbstractButton* button);
    void enterRod(const QString& text);
    void enterRods(const QString& digits);
    // Types one text into each of Text4(1) to Text4(6).
    void setMultiplicand(const QStringList& boxes);
    void setMultiplicand(const QString& sixDigits);
    void pressOk() { click(controls().command1); }
    void pressDone() { click(controls().command2); }
    void pressGo() { click(controls().command4); }
    void pressClear() { click(controls().command5); }
    void pressExit() { click(controls().command3); }

    // Opens the working of list item `row` by double-clicking it, or by
    // selecting it and pressing Enter; the window that shows it, or null.
    rods::WorkingWindow* doubleClickProduct(int row);
    rods::WorkingWindow* enterOnProduct(int row);

    [[nodiscard]] QString message() const;
    [[nodiscard]] QStringList listItems() const;
    [[nodiscard]] rods::DigitLabel* label(rods::LabelArray array, int index);
    [[nodiscard]] QString caption(rods::LabelArray array, int index);

    // The board as painted, in device pixels.
    [[nodiscard]] QImage grabBoard() const;
    // The pixel that a point in board twips falls in, in device pixels.
    [[nodiscard]] QPoint boardPixel(double xTwips, double yTwips) const;
    [[nodiscard]] static bool isDark(const QImage& image, QPoint pixel);
    // Any dark pixel within `radius` device pixels of the point.
    [[nodiscard]] bool darkNear(const QImage& image, double xTwips, double yTwips, int radius = 1) const;
    // Any dark pixel in the rectangle of board twips.
    [[nodiscard]] bool darkIn(const QImage& image, const QRectF& twips) const;

private:
    rods::WorkingWindow* shownWorking();

    std::unique_ptr<rods::Form1> window_;
};

// Whether pressing the keys in the window opens a file dialog (at once
// closed again), as Save the working as… does.
[[nodiscard]] bool keysAskForAFile(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers);
