#pragma once

#include "tutor/exercise/rows.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rods {

class BoardState;

// The largest dividend the rods divide, digit by digit: fifteen nines.
inline constexpr std::uint64_t LargestDividend = 999'999'999'999'999;

// One digit of the quotient: the part of the dividend taken so far, the
// largest row of the rods not more than it, and what is left.
struct DivisionStep {
    std::uint64_t part = 0;
    std::size_t lastDigit = 0; // the dividend's digit (from the left, from 0) that ends the part
    int row = 0;               // the quotient digit; 0 where the part is less than the divisor
    std::uint64_t product = 0; // row `row` read across the rods
    std::uint64_t left = 0;    // part − product
    // part − product, from the right: each column's parts are the digit on top
    // and the digit taken away (0 where the product has no digit there).
    std::vector<Place> columns;
    std::optional<int> broughtDown; // the dividend's next digit, if there is one
};

// Long division by the rods' number, every product read off the rods: the
// divisor's multiples row by row, then a step per digit of the quotient, the
// first taking the fewest leading digits of the dividend that the divisor
// goes into. A dividend less than the divisor is one step with quotient 0.
struct Division {
    std::vector<int> rods;
    std::string dividend;
    std::string divisor;                  // the rods' number, without leading zeros
    std::array<std::uint64_t, 10> rows{}; // row r read across the rods: divisor × r
    std::vector<RowReading> readings;     // rows 1 to 9 read across the rods, diagonal by diagonal
    std::vector<DivisionStep> steps;
    std::string quotient;
    std::uint64_t remainder = 0;
};

// Divides a dividend of 1 to 15 digits by the board's rods. Nothing when the
// rods make 0 (or there are none): dividing by 0 has no answer.
[[nodiscard]] std::optional<Division> divideOnRods(const BoardState& board, std::uint64_t dividend);

// The columns of top − taken, from the right, with their borrows.
[[nodiscard]] std::vector<Place> subtractInColumns(std::uint64_t top, std::uint64_t taken);

} // namespace rods
