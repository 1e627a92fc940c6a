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
// With `nextDigitShown`, the next quotient digit stands over the dividend
// before its subtraction is worked.
[[nodiscard]] Figures longDivision(const Division& division, std::size_t stepsShown, bool nextDigitShown = false);

// One column of top − taken, without its place: "4 is less than 6, so
// borrow 1 from the next column: 14 − 6 = 8", "3 lent 1 to the column on its
// right, so it is 2 now: 2 − 2 = 0".
[[nodiscard]] std::string columnSubtractionInWords(const Place& column);

// top − taken, column by column from the right, each column as above after
// its place: "units: …; tens: …".
[[nodiscard]] std::string subtractionInWords(const std::vector<Place>& columns);

} // namespace rods
