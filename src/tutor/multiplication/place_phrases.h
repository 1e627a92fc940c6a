#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rods {

// The places of a product's working named whole, in the language chosen, one
// phrase per role: a diagonal of a row counted from the right (0 the
// rightmost), a column of the rows added, a place of the multiplicand.

// "The third diagonal from the right", starting a sentence.
[[nodiscard]] std::string diagonalStartingSentence(std::size_t place);
// "the third diagonal from the right", the subject inside a sentence.
[[nodiscard]] std::string diagonalInSentence(std::size_t place);
// "The tens column", starting a sentence.
[[nodiscard]] std::string columnStartingSentence(std::size_t place);
// "the tens column", the subject inside a sentence.
[[nodiscard]] std::string columnInSentence(std::size_t place);
// "from the tens column", where a carry comes from.
[[nodiscard]] std::string fromColumn(std::size_t place);
// "The tens digit of 307 is 0": the clause that opens a row's step.
[[nodiscard]] std::string digitOfPlace(int place, std::string_view multiplicand, int digit);
// "in the tens place", where a row of the long multiplication is written.
[[nodiscard]] std::string inPlace(int place);

} // namespace rods
