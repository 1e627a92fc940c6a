#pragma once

// Helpers the core tests share to work products out on their own: 128-bit
// integers and their decimal digits, and a board with the given rods.
#include "core/board_state.h"

#include <string>

__extension__ typedef unsigned __int128 Wide;

inline std::string text(Wide value)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), char('0' + int(value % 10)));
        value /= 10;
    } while (value != 0);
    return digits;
}

inline rods::BoardState boardOf(const std::string& digits)
{
    rods::BoardState board;
    for (char digit : digits)
        board.placeRod(digit - '0');
    return board;
}
