#pragma once

#include <string>
#include <string_view>

namespace rods {

// The label arrays that live on the board.
enum class LabelArray { Label1, Label2, Label4 };

// Colours the board procedures ask for, by their role in the desktop palette.
enum class SystemColor { WindowBackground, ButtonFace };

// One digit label. Positions are twips from the board's inner top-left corner.
class LabelControl {
public:
    virtual ~LabelControl() = default;
    virtual void setTop(int twips) = 0;
    virtual void setLeft(int twips) = 0;
    // With auto-size on, the label takes the size of its caption in its font.
    virtual void setAutoSize(bool on) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setBackColor(SystemColor color) = 0;
    virtual void setCaption(std::string_view caption) = 0;
};

class TextControl {
public:
    virtual ~TextControl() = default;
    [[nodiscard]] virtual std::string text() const = 0;
    virtual void setText(std::string_view text) = 0;
};

// The board's drawing surface: straight lines in its own colour and width,
// in twips. Lines stay until cls().
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    // From (x1, y1) to (x2, y2); the current point becomes (x2, y2).
    virtual void line(float x1, float y1, float x2, float y2) = 0;
    // From the current point to (x2, y2), which becomes the current point.
    virtual void lineTo(float x2, float y2) = 0;
    virtual void cls() = 0;
};

// The controls the board procedures work on. An index without an element is
// a programming error and throws std::out_of_range.
class BoardControls {
public:
    virtual ~BoardControls() = default;
    virtual LabelControl& label(LabelArray array, int index) = 0;
    // Text3: the multiplier's digit boxes, 0 to 9, left to right.
    virtual TextControl& multiplierBox(int index) = 0;
    virtual DrawingSurface& surface() = 0;
};

} // namespace rods
