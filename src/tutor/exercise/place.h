#pragma once

#include <vector>

namespace rods {

// One place of a working done place by place from the right, as on paper: a
// diagonal of a row across the rods (the two halves that meet on it), a
// column of the rows added (each row's digit there, top row first), or a
// column of a subtraction (the digit on top, then the digit taken away). What
// comes in from the right is a carry, or in a subtraction the 1 this column
// lent to the column on its right; the place gives a result, its digit, and
// what goes on to the left.
struct Place {
    std::vector<int> parts;
    int in = 0;
    int result = 0;       // adding: the parts and the carry; subtracting: the difference
    bool borrows = false; // subtracting: 10 borrowed from the column to the left

    [[nodiscard]] int digit() const { return result % 10; }
    // The carry to the next place, or in a subtraction the borrow from it.
    [[nodiscard]] int out() const { return borrows ? 1 : result / 10; }
};

} // namespace rods
