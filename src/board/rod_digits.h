#pragma once

namespace rods {

class BoardState;
class BoardControls;

// Places and captions the digit labels of every rod on the board: the rod's
// digit in its header cell, and in cell r the tens and units of digit times r.
// Rod in slot s owns Label1(10 s) for its digit, Label1(10 s + 11..19) for
// its units and Label2(10 s + 1..9) for its tens.
void ShowRodDigits(const BoardState& board, BoardControls& controls);

// Empties the captions of every label a rod can use.
void clearRodDigits(BoardControls& controls);

} // namespace rods
