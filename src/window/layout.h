#pragma once

#include <array>
#include <string_view>

namespace rods::layout {

// The window's controls as a table: places and sizes in twips, measured from
// the container's top-left corner (the board's: inside its border).
enum class Kind { TextBox, Board, Button, Label, Frame, List };
enum class Align { Left, Centre };

struct Font {
    double points = 0.0; // 0: the window's font
    bool bold = false;
};

struct Control {
    const char* name;
    Kind kind;
    const char* caption;
    int left;
    int top;
    int width;
    int height;
    Font font;
    int tabIndex;
    Align align = Align::Left;
};

// An indexed set of like controls; element i stands at left + i * leftStep.
struct ControlArray {
    const char* name;
    Kind kind;
    const char* container; // a control's name
    int count;
    int left;
    int leftStep;
    int top;
    int width;
    int height;
    Align align;
};

// The layout gives the window's text colour the 3D highlight colour; nothing
// is drawn on the window itself, so it shows only the toolkit's background.
inline constexpr int ClientWidth = 15105;
inline constexpr int ClientHeight = 9405;
inline constexpr const char* WindowCaption = "Form1";
inline constexpr const char* ContainerWindow = "";

inline constexpr std::array<Control, 14> Controls{{
    {"Text1", Kind::TextBox, "6", 6480, 8640, 435, 525, {18.0, true}, 0, Align::Centre},
    {"Picture1", Kind::Board, "", 240, 480, 11775, 7935, {}, 1},
    {"Command1", Kind::Button, "OK", 7080, 8760, 1215, 375, {13.5, true}, 2},
    {"Text2", Kind::TextBox, "", 8520, 8760, 1215, 285, {}, 184},
    {"Label3",
     Kind::Label,
     "Enter digits of Multiplicator or Divisor , then OK",
     240,
     8760,
     6015,
     375,
     {13.5, false},
     185},
    {"Command2", Kind::Button, "Done when finished", 9840, 8760, 1815, 375, {}, 201},
    {"Command3", Kind::Button, "EXIT !", 13320, 8760, 975, 495, {}, 202},
    {"Frame1", Kind::Frame, "Multiplicator", 12120, 2280, 2655, 615, {}, 203},
    {"Frame2", Kind::Frame, "Multiplicand", 12120, 3480, 2775, 615, {}, 214},
    {"Label5", Kind::Label, "Enter Multiplicand above GO when done", 12480, 4320, 1935, 375, {}, 222},
    {"Command4", Kind::Button, "GO", 12600, 4920, 1575, 375, {}, 223},
    {"Label6", Kind::Label, "times", 13320, 3000, 495, 255, {}, 224},
    {"List1", Kind::List, "", 12600, 5640, 1815, 420, {13.5, false}, 225},
    {"Command5", Kind::Button, "Clear", 12720, 6720, 1695, 375, {}, 226},
}};

inline constexpr std::array<ControlArray, 5> Arrays{{
    {"Text3", Kind::TextBox, "Frame1", 10, 120, 240, 240, 255, 285, Align::Left},
    {"Text4", Kind::TextBox, "Frame2", 7, 120, 360, 240, 375, 285, Align::Centre},
    {"Label1", Kind::Label, "Picture1", 90, 0, 0, 0, 375, 255, Align::Left},
    {"Label2", Kind::Label, "Picture1", 91, 0, 0, 0, 375, 375, Align::Left},
    {"Label4", Kind::Label, "Picture1", 15, 0, 0, 0, 375, 375, Align::Left},
}};

// Tab index of element i of an array: the arrays interleave with the single
// controls so that the indices run 0 to 226 without a gap.
[[nodiscard]] constexpr int tabIndex(const ControlArray& array, int i)
{
    const std::string_view name = array.name;
    if (name == "Text3")
        return 204 + i;
    if (name == "Text4")
        return 215 + i;
    if (name == "Label1")
        return 3 + i;
    if (name == "Label2")
        return 93 + i;
    if (i == 0)
        return 186; // Label4
    return i >= 11 ? 176 + i : 190 + i;
}

} // namespace rods::layout
