#pragma once

#include "tutor/exercise/place.h"

#include <string>
#include <vector>

namespace rods {

class BoardState;

// One cell of a row across the rods: the tens half above its diagonal, the
// units half below it.
struct Cell {
    int tens = 0;
    int units = 0;
};

// The multiplier times one digit of the multiplicand, read off one row.
struct RowReading {
    int place = 0;           // of the multiplicand digit: 0 for the units
    int digit = 0;           // the multiplicand digit, which is the row read
    std::vector<Cell> cells; // rod 1 (left) to the last rod; empty for a 0 digit
    // From the right; empty for a 0 digit. Each diagonal is where the units
    // half of a rod meets the tens half of the rod to its right: its parts are
    // the left rod's units, then the right rod's tens (the rightmost has only
    // the last rod's units, the leftmost only the first rod's tens).
    std::vector<Place> diagonals;
    std::string partial; // multiplier times digit, without leading zeros

    // The partial product shifted to its place ("3070"); "0" for a 0 digit.
    [[nodiscard]] std::string shifted() const;
    // Whether diagonal j from the right writes a digit of the partial product:
    // all do but a leftmost one that holds 0 and gets no carry.
    [[nodiscard]] bool writes(std::size_t j) const
    {
        return j + 1 < diagonals.size() || j == 0 || diagonals.at(j).result != 0;
    }
};

// Plain digits without their leading zeros; "0" for none left.
[[nodiscard]] std::string withoutLeadingZeros(std::string digits);

// Plain digit strings added column by column from the right, with carries:
// the columns and the sum ("0" for no numbers).
struct ColumnSum {
    std::vector<Place> columns;
    std::string sum;
};
[[nodiscard]] ColumnSum addInColumns(const std::vector<std::string>& numbers);

// The rods' digits as they stand, left to right ("07").
[[nodiscard]] std::string rodDigits(const std::vector<int>& rods);

// The rods' digits as one number, without leading zeros ("7" for the rods 0
// and 7).
[[nodiscard]] std::string multiplierValue(const std::vector<int>& rods);

// Row `digit` read across the board's rods, diagonal by diagonal from the
// right, for the multiplicand digit in place `place` (0 for the units). The
// board must hold at least one rod.
[[nodiscard]] RowReading readRow(const BoardState& board, int place, int digit);

} // namespace rods
