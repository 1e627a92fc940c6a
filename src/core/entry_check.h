#pragma once

#include <optional>
#include <string_view>

namespace rods {

class BoardState;

inline constexpr std::string_view OnlyOneDigit = "Only 1 DIGIT";
inline constexpr std::string_view OnlyEightRods = "Only 8 RODS";

// What OK makes of the entry box: the digit to place, or the message that
// refuses it.
struct EntryVerdict {
    std::optional<int> digit;
    std::string_view message;
};

// Accepts any spelling of a whole number from 0 to 9 ("7", " 7 ", "07",
// "7.0", "+7") while the board has room for another rod.
[[nodiscard]] EntryVerdict checkEntry(std::string_view text, const BoardState& board);

} // namespace rods
