#pragma once

namespace rods {

// Board measures in twips, from the board's inner top-left corner.
inline constexpr int RodPitch = 1030; // left edge to left edge; rods stand 100 apart
inline constexpr int RodWidth = 930;
inline constexpr int BoardTop = 200;
inline constexpr int RodHeight = 7000; // ten cells
inline constexpr int RowHeight = 700;
inline constexpr int TwipsPerPixel = 15;

// The pixel, at 96 dots per inch, that a position in twips falls in. Lines
// and labels share it, so a label at Left 500 and a line at x 500 meet.
[[nodiscard]] constexpr int pixelOf(double twips)
{
    const double pixels = twips / TwipsPerPixel;
    const int truncated = static_cast<int>(pixels);
    return truncated > pixels ? truncated - 1 : truncated;
}

// The four corners of a rod's frame. Slot s spans x 1030 s to 1030 s + 930.
struct RodFrame {
    int left;
    int top;
    int right;
    int bottom;
};

[[nodiscard]] constexpr RodFrame rodFrame(int slot)
{
    const int left = RodPitch * slot;
    return {left, BoardTop, left + RodWidth, BoardTop + RodHeight};
}

} // namespace rods
