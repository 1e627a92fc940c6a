#pragma once

#include "board/geometry.h"

namespace rods {

class BoardState;
class DrawingSurface;

// Draws the newest rod, in slot RodCount - 1: outline, the ten cell lines and
// the diagonal of each of cells 1 to 9, 24 lines in all. Earlier rods keep
// the lines already drawn for them.
void DrawRod(const BoardState& board, DrawingSurface& surface);

// A rod's outline and cell lines, and its diagonals when asked for; the index
// rod has none.
void drawRodFrame(const RodFrame& frame, bool withDiagonals, DrawingSurface& surface);

} // namespace rods
