#include "core/entry_check.h"

#include "core/board_state.h"
#include "core/numbers.h"

#include <cmath>

namespace rods {

EntryVerdict checkEntry(std::string_view text, const BoardState& board)
{
    const ParsedNumber number = textToNumber(text);
    const bool isDigit =
        number.ok() && number.value >= 0.0 && number.value <= 9.0 && number.value == std::trunc(number.value);
    if (!isDigit)
        return {std::nullopt, OnlyOneDigit};
    if (board.isFull())
        return {std::nullopt, OnlyEightRods};
    return {static_cast<int>(number.value), {}};
}

} // namespace rods
