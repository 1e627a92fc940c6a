#pragma once

#include "tutor/exercise/answer_check.h"

#include <string>
#include <string_view>

namespace rods {

// What the places of an answer are on the rods: a row's diagonals, or the
// columns of the final addition.
enum class PlaceKind { Diagonal, Column };

// "The third diagonal from the right", "The hundreds column".
[[nodiscard]] std::string placeInWords(PlaceKind kind, std::size_t place);

// The hint for a wrong answer, for a pupil: a wrong number of digits, then the
// first wrong place from the right with what it holds, the digit it gives and
// the one typed, and a forgotten or an extra carry, two digits swapped or
// digits too many named as such. `whole` names what the answer should be
// ("307 × 2"). Where the learner wrote a row in its place, with `placeZeros`
// zeros that were taken off before the check, the lengths are said both ways,
// `inPlace` saying where ("in the tens place").
[[nodiscard]] std::string hintInWords(const AnswerCheck& check, const std::vector<Place>& places, PlaceKind kind,
                                      std::string_view whole, std::size_t placeZeros = 0,
                                      std::string_view inPlace = {});

} // namespace rods
