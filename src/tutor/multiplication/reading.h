#pragma once

#include "tutor/exercise/rows.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rods {

class BoardState;

// The largest multiplicand the rods are read for, digit by digit: fifteen
// nines. Below 2^53, so a double holds it exactly.
inline constexpr std::uint64_t LargestReadMultiplicand = 999'999'999'999'999;

// How the rods give a product, in exact decimal arithmetic: a row reading per
// multiplicand digit from the units up, and the column sum of the rows that
// are not zero.
struct Reading {
    std::vector<int> rods;    // the rods' digits, left to right
    std::string multiplicand; // plain digits
    std::vector<RowReading> rows;
    std::vector<Place> columns; // of the final addition: the rows' digits, top row first
    std::string product;        // plain digits

    // The rows that take part in the sum: those whose digit is not 0.
    [[nodiscard]] std::vector<const RowReading*> addedRows() const;
    // Whether the working ends with a step that adds the rows: only when two
    // or more rows are not 0. With one, that row is the product; with none,
    // the product is 0.
    [[nodiscard]] bool hasSumStep() const { return nonZeroRows() >= 2; }
    // How many rows give more than 0.
    [[nodiscard]] std::size_t nonZeroRows() const;
    // A step for each row, and the adding step if there is one.
    [[nodiscard]] std::size_t steps() const { return rows.size() + (hasSumStep() ? 1 : 0); }
};

// Reads the board's rods for a multiplicand of at most 15 digits, from the
// board's table of multiples. The board must hold at least one rod.
[[nodiscard]] Reading readRods(const BoardState& board, std::uint64_t multiplicand);

} // namespace rods
