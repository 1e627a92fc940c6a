#pragma once

#include "tutor/place.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rods {

class BoardState;

// The largest multiplicand the rods are read for, digit by digit: fifteen
// nines. Below 2^53, so a double holds it exactly.
inline constexpr std::uint64_t LargestReadMultiplicand = 999'999'999'999'999;

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

// Plain digits without their leading zeros; "0" for none left.
[[nodiscard]] std::string withoutLeadingZeros(std::string digits);

// Plain digit strings added column by column from the right, with carries:
// the columns and the sum ("0" for no numbers).
struct ColumnSum {
    std::vector<Place> columns;
    std::string sum;
};
[[nodiscard]] ColumnSum addInColumns(const std::vector<std::string>& numbers);

// Reads the board's rods for a multiplicand of at most 15 digits, from the
// board's table of multiples. The board must hold at least one rod.
[[nodiscard]] Reading readRods(const BoardState& board, std::uint64_t multiplicand);

} // namespace rods
