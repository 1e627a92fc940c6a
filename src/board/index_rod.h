#pragma once

namespace rods {

class BoardState;
class BoardControls;

// Completes the board: the row numbers 1 to 9 in the index rod, its frame in
// the slot after the last rod, and the multiplier's digits right-aligned in
// the digit boxes. Boxes left of the multiplier are emptied, so a shorter
// multiplier never shows digits of an earlier, longer one.
void ShowIndexRod(const BoardState& board, BoardControls& controls);

// Empties the captions of Label4(1) to Label4(last): 9 for the row numbers,
// 14 for every index label but the unused first.
void clearIndexNumbers(BoardControls& controls, int last);

} // namespace rods
