#pragma once

#include "tutor/division/division.h"
#include "tutor/exercise/figures.h"
#include "tutor/exercise/signs.h"

#include <string>
#include <string_view>

namespace rods {

// "3684 ÷ 12".
[[nodiscard]] std::string divisionOf(const Division& division);

// The first step: the divisor's multiples, row by row, read off its rods.
[[nodiscard]] std::string multiplesInWords(const Division& division);

// Step `index` of the quotient, for a pupil: the part taken, the largest row
// not more than it and the quotient digit, the subtraction column by column
// with its borrows, and the digit brought down.
[[nodiscard]] std::string quotientStepInWords(const Division& division, std::size_t index);

// The last step: the quotient and remainder, and their check by
// multiplication.
[[nodiscard]] std::string divisionResultInWords(const Division& division);

// The long division as written on paper in English-speaking schools, with
// the first `stepsShown` quotient digits worked: the quotient over the
// dividend, the divisor left of the bracket, each product under the digits it
// is taken from and what is left under it with the next digit brought down.
[[nodiscard]] Figures longDivision(const Division& division, std::size_t stepsShown);

// One column of top − taken, without its place: "4 − 6 needs a borrow:
// 14 − 6 = 8", "3 − 1 lent − 2 = 0".
[[nodiscard]] std::string columnSubtractionInWords(const Place& column);

// top − taken, column by column from the right: "units: 4 − 6 needs a
// borrow: 14 − 6 = 8; tens: 3 − 1 lent − 2 = 0".
[[nodiscard]] std::string subtractionInWords(const std::vector<Place>& columns);

} // namespace rods
