#include "board/rod_outline.h"

#include "board/controls.h"
#include "core/board_state.h"

namespace rods {
namespace {

float f(int twips) { return static_cast<float>(twips); }

} // namespace

void drawRodFrame(const RodFrame& frame, bool withDiagonals, DrawingSurface& surface)
{
    // A zero-length line puts the current point on the top-left corner.
    surface.line(f(frame.left), f(frame.top), f(frame.left), f(frame.top));
    surface.lineTo(f(frame.right), f(frame.top));
    surface.lineTo(f(frame.right), f(frame.bottom));
    surface.lineTo(f(frame.left), f(frame.bottom));
    surface.lineTo(f(frame.left), f(frame.top));

    // The tenth cell line lies on the bottom edge.
    for (int i = 1; i <= 10; ++i) {
        const int y = frame.top + RowHeight * i;
        surface.line(f(frame.left), f(y), f(frame.right), f(y));
    }
    if (!withDiagonals)
        return;
    // Cell i - 1, from its bottom-left corner to its top-right corner; the
    // header cell has none.
    for (int i = 2; i <= 10; ++i)
        surface.line(f(frame.left), f(frame.top + RowHeight * i), f(frame.right), f(frame.top + RowHeight * (i - 1)));
}

void DrawRod(const BoardState& board, DrawingSurface& surface)
{
    drawRodFrame(rodFrame(board.RodCount() - 1), true, surface);
}

} // namespace rods
