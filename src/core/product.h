#pragma once

#include <array>
#include <string>
#include <string_view>

namespace rods {

class BoardState;

inline constexpr std::string_view OnlyNumbers = "Only NUMBERS";
inline constexpr std::string_view TooLarge = "Too LARGE";

// The texts of the multiplicand boxes, by box index 0..6. Box 1 is the
// hundred-thousands place and box 6 the units; box 0 takes no part.
using MultiplicandTexts = std::array<std::string, 7>;
inline constexpr int FirstMultiplicandBox = 1;
inline constexpr int LastMultiplicandBox = 6;

// A product ready for the list, or why there is none.
struct ProductOutcome {
    std::string text; // the product's text when message is empty
    std::string_view message;
    int badBox = -1;           // the leftmost box that holds no number, if any
    double multiplicand = 0.0; // the boxes' value, when there is a product
};

// The rods' multiplier times the boxes' multiplicand, in double precision:
// exact for whole numbers while below 2^53. Each box adds its whole number at
// its place, so 12 in box 5 adds 120.
[[nodiscard]] ProductOutcome computeProduct(const BoardState& board, const MultiplicandTexts& boxes);

} // namespace rods
