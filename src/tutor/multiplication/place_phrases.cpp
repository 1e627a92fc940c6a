#include "tutor/multiplication/place_phrases.h"

#include "core/board_state.h"
#include "core/words.h"
#include "tutor/exercise/sentence.h"
#include "tutor/multiplication/reading.h"

#include <array>

namespace rods {
namespace {

// Each diagonal and each place is named by a whole phrase per role it plays
// in a sentence, so that a translator can decline it (die dritte Diagonale,
// in die dritte Diagonale) rather than have a bare ordinal or place name
// dropped in. The tables are as long as a working can need.

constexpr std::array<MarkedText, 9> DiagonalStarts{
    // TRANSLATORS: a diagonal of a row across the rods, starting a sentence:
    // "The third diagonal from the right holds 5 and 5", "… is marked".
    mark("Diagonal (sentence start)", "The first diagonal from the right"),
    mark("Diagonal (sentence start)", "The second diagonal from the right"),
    mark("Diagonal (sentence start)", "The third diagonal from the right"),
    mark("Diagonal (sentence start)", "The fourth diagonal from the right"),
    mark("Diagonal (sentence start)", "The fifth diagonal from the right"),
    mark("Diagonal (sentence start)", "The sixth diagonal from the right"),
    mark("Diagonal (sentence start)", "The seventh diagonal from the right"),
    mark("Diagonal (sentence start)", "The eighth diagonal from the right"),
    mark("Diagonal (sentence start)", "The ninth diagonal from the right"),
};

constexpr std::array<MarkedText, 9> Diagonals{
    // TRANSLATORS: a diagonal of a row across the rods, as the subject inside a
    // sentence: "… and the third diagonal from the right gives 4".
    mark("Diagonal (subject)", "the first diagonal from the right"),
    mark("Diagonal (subject)", "the second diagonal from the right"),
    mark("Diagonal (subject)", "the third diagonal from the right"),
    mark("Diagonal (subject)", "the fourth diagonal from the right"),
    mark("Diagonal (subject)", "the fifth diagonal from the right"),
    mark("Diagonal (subject)", "the sixth diagonal from the right"),
    mark("Diagonal (subject)", "the seventh diagonal from the right"),
    mark("Diagonal (subject)", "the eighth diagonal from the right"),
    mark("Diagonal (subject)", "the ninth diagonal from the right"),
};

constexpr std::array<MarkedText, 23> ColumnStarts{
    // TRANSLATORS: a column of the rows added up, starting a sentence:
    // "The tens column holds 3 and 4".
    mark("Column (sentence start)", "The units column"),
    mark("Column (sentence start)", "The tens column"),
    mark("Column (sentence start)", "The hundreds column"),
    mark("Column (sentence start)", "The thousands column"),
    mark("Column (sentence start)", "The ten-thousands column"),
    mark("Column (sentence start)", "The hundred-thousands column"),
    mark("Column (sentence start)", "The millions column"),
    mark("Column (sentence start)", "The ten-millions column"),
    mark("Column (sentence start)", "The hundred-millions column"),
    mark("Column (sentence start)", "The billions column"),
    mark("Column (sentence start)", "The ten-billions column"),
    mark("Column (sentence start)", "The hundred-billions column"),
    mark("Column (sentence start)", "The trillions column"),
    mark("Column (sentence start)", "The ten-trillions column"),
    mark("Column (sentence start)", "The hundred-trillions column"),
    mark("Column (sentence start)", "The quadrillions column"),
    mark("Column (sentence start)", "The ten-quadrillions column"),
    mark("Column (sentence start)", "The hundred-quadrillions column"),
    mark("Column (sentence start)", "The quintillions column"),
    mark("Column (sentence start)", "The ten-quintillions column"),
    mark("Column (sentence start)", "The hundred-quintillions column"),
    mark("Column (sentence start)", "The sextillions column"),
    mark("Column (sentence start)", "The ten-sextillions column"),
};

constexpr std::array<MarkedText, 23> Columns{
    // TRANSLATORS: a column of the rows added up, as the subject inside a
    // sentence: "… and the tens column gives 7".
    mark("Column (subject)", "the units column"),
    mark("Column (subject)", "the tens column"),
    mark("Column (subject)", "the hundreds column"),
    mark("Column (subject)", "the thousands column"),
    mark("Column (subject)", "the ten-thousands column"),
    mark("Column (subject)", "the hundred-thousands column"),
    mark("Column (subject)", "the millions column"),
    mark("Column (subject)", "the ten-millions column"),
    mark("Column (subject)", "the hundred-millions column"),
    mark("Column (subject)", "the billions column"),
    mark("Column (subject)", "the ten-billions column"),
    mark("Column (subject)", "the hundred-billions column"),
    mark("Column (subject)", "the trillions column"),
    mark("Column (subject)", "the ten-trillions column"),
    mark("Column (subject)", "the hundred-trillions column"),
    mark("Column (subject)", "the quadrillions column"),
    mark("Column (subject)", "the ten-quadrillions column"),
    mark("Column (subject)", "the hundred-quadrillions column"),
    mark("Column (subject)", "the quintillions column"),
    mark("Column (subject)", "the ten-quintillions column"),
    mark("Column (subject)", "the hundred-quintillions column"),
    mark("Column (subject)", "the sextillions column"),
    mark("Column (subject)", "the ten-sextillions column"),
};

constexpr std::array<MarkedText, 23> FromColumns{
    // TRANSLATORS: where a carry comes from: "the 1 carried from the tens column".
    mark("Column (from)", "from the units column"),
    mark("Column (from)", "from the tens column"),
    mark("Column (from)", "from the hundreds column"),
    mark("Column (from)", "from the thousands column"),
    mark("Column (from)", "from the ten-thousands column"),
    mark("Column (from)", "from the hundred-thousands column"),
    mark("Column (from)", "from the millions column"),
    mark("Column (from)", "from the ten-millions column"),
    mark("Column (from)", "from the hundred-millions column"),
    mark("Column (from)", "from the billions column"),
    mark("Column (from)", "from the ten-billions column"),
    mark("Column (from)", "from the hundred-billions column"),
    mark("Column (from)", "from the trillions column"),
    mark("Column (from)", "from the ten-trillions column"),
    mark("Column (from)", "from the hundred-trillions column"),
    mark("Column (from)", "from the quadrillions column"),
    mark("Column (from)", "from the ten-quadrillions column"),
    mark("Column (from)", "from the hundred-quadrillions column"),
    mark("Column (from)", "from the quintillions column"),
    mark("Column (from)", "from the ten-quintillions column"),
    mark("Column (from)", "from the hundred-quintillions column"),
    mark("Column (from)", "from the sextillions column"),
    mark("Column (from)", "from the ten-sextillions column"),
};

constexpr std::array<MarkedText, 15> DigitClauses{
    // TRANSLATORS: starts a step: %1 is the multiplicand, %2 its digit in this
    // place: "The tens digit of 307 is 0".
    mark("Place (digit of)", "The units digit of %1 is %2"),
    mark("Place (digit of)", "The tens digit of %1 is %2"),
    mark("Place (digit of)", "The hundreds digit of %1 is %2"),
    mark("Place (digit of)", "The thousands digit of %1 is %2"),
    mark("Place (digit of)", "The ten-thousands digit of %1 is %2"),
    mark("Place (digit of)", "The hundred-thousands digit of %1 is %2"),
    mark("Place (digit of)", "The millions digit of %1 is %2"),
    mark("Place (digit of)", "The ten-millions digit of %1 is %2"),
    mark("Place (digit of)", "The hundred-millions digit of %1 is %2"),
    mark("Place (digit of)", "The billions digit of %1 is %2"),
    mark("Place (digit of)", "The ten-billions digit of %1 is %2"),
    mark("Place (digit of)", "The hundred-billions digit of %1 is %2"),
    mark("Place (digit of)", "The trillions digit of %1 is %2"),
    mark("Place (digit of)", "The ten-trillions digit of %1 is %2"),
    mark("Place (digit of)", "The hundred-trillions digit of %1 is %2"),
};

constexpr std::array<MarkedText, 15> InPlaces{
    // TRANSLATORS: where a row of the long multiplication is written:
    // "307 × 1 = 307, written 3070 in the tens place".
    mark("Place (in)", "in the units place"),
    mark("Place (in)", "in the tens place"),
    mark("Place (in)", "in the hundreds place"),
    mark("Place (in)", "in the thousands place"),
    mark("Place (in)", "in the ten-thousands place"),
    mark("Place (in)", "in the hundred-thousands place"),
    mark("Place (in)", "in the millions place"),
    mark("Place (in)", "in the ten-millions place"),
    mark("Place (in)", "in the hundred-millions place"),
    mark("Place (in)", "in the billions place"),
    mark("Place (in)", "in the ten-billions place"),
    mark("Place (in)", "in the hundred-billions place"),
    mark("Place (in)", "in the trillions place"),
    mark("Place (in)", "in the ten-trillions place"),
    mark("Place (in)", "in the hundred-trillions place"),
};

// A row of n rods has n + 1 diagonals; a product has at most as many digits
// as the rods and the multiplicand together; a multiplicand read has at most
// fifteen digits.
static_assert(DiagonalStarts.size() == BoardState::MaxRods + 1 && Diagonals.size() == DiagonalStarts.size());
static_assert(ColumnStarts.size() == BoardState::MaxRods + 15 && Columns.size() == ColumnStarts.size()
              && FromColumns.size() == ColumnStarts.size());
static_assert(LargestReadMultiplicand == 999'999'999'999'999 && DigitClauses.size() == 15
              && InPlaces.size() == DigitClauses.size());

template <std::size_t N> std::string phrase(const std::array<MarkedText, N>& table, std::size_t index)
{
    return translated(table.at(index));
}

} // namespace

std::string diagonalStartingSentence(std::size_t place) { return phrase(DiagonalStarts, place); }
std::string diagonalInSentence(std::size_t place) { return phrase(Diagonals, place); }
std::string columnStartingSentence(std::size_t place) { return phrase(ColumnStarts, place); }
std::string columnInSentence(std::size_t place) { return phrase(Columns, place); }
std::string fromColumn(std::size_t place) { return phrase(FromColumns, place); }
std::string digitOfPlace(int place, std::string_view multiplicand, int digit)
{
    return sentence(translated(DigitClauses.at(static_cast<std::size_t>(place))),
                    {multiplicand, std::to_string(digit)});
}
std::string inPlace(int place) { return phrase(InPlaces, static_cast<std::size_t>(place)); }

} // namespace rods
