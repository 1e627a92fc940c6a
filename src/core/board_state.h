#pragma once

#include "core/rod_table.h"

#include <cstdint>
#include <vector>

namespace rods {

// The rods on the board, left to right in the order their digits were
// entered, and their table of multiples. Rod 1 is the most significant digit
// of the multiplier. The board holds at most MaxRods rods: that is all its
// digit labels can show.
class BoardState {
public:
    static constexpr int MaxRods = 8;

    [[nodiscard]] std::uint8_t RodCount() const { return rodCount_; }
    [[nodiscard]] const RodTable& table() const { return table_; }
    [[nodiscard]] bool isFull() const { return rodCount_ >= MaxRods; }
    // The digit of rod 1..RodCount().
    [[nodiscard]] int digit(int rod) const { return table_.at(rod, 1, Plane::Digit); }
    // The rods' digits, left to right.
    [[nodiscard]] std::vector<int> digits() const;

    // Appends the rod of a checked digit (a whole number 0 to 9) and fills its
    // nine rows: the digit, and the tens and units of digit times row.
    void placeRod(int digit);
    // Takes every rod off the board. The table keeps its values; they are
    // rewritten when a rod with the same number is placed again.
    void clear() { rodCount_ = 0; }

private:
    std::uint8_t rodCount_ = 0;
    RodTable table_;
};

} // namespace rods
