#include "tutor/multiplication/working.h"

#include "core/board_state.h"
#include "core/numbers.h"
#include "core/words.h"
#include "tutor/exercise/sentence.h"
#include "tutor/multiplication/reading_words.h"

#include <cmath>

namespace rods {
Expression factorsOf(const ProductRecord& record)
{
    return {record.rods.empty() ? "0" : rodDigits(record.rods), std::string(Times), numberToText(record.multiplicand)};
}

namespace {

std::string factors(const ProductRecord& record) { return factorsOf(record).text(); }

} // namespace

std::string productSentence(const ProductRecord& record) { return factors(record) + " = " + record.listed; }

std::string workingTitle(const ProductRecord& record)
{
    // TRANSLATORS: the heading of a working: %1 is the product ("307 × 12").
    return sentence(translated("Working", "Working: %1"), {factors(record)});
}

Working workOut(const ProductRecord& record)
{
    Working working;
    const double m = record.multiplicand;
    const std::string shown = numberToText(m);
    if (record.rods.empty()) {
        working.whyNot = translated("Working", "There are no rods on the board, so the multiplier is 0 and the "
                                               "product is 0: there is no row of the rods to read.");
    } else if (!std::isfinite(m) || std::fabs(m) > static_cast<double>(LargestReadMultiplicand)) {
        // TRANSLATORS: %1 is the multiplicand, %2 the largest one read step
        // by step (999,999,999,999,999).
        working.whyNot = sentence(translated("Working", "The multiplicand %1 has more than 15 digits. The rods are "
                                                        "read step by step for multiplicands up to %2."),
                                  {shown, groupedNumber(LargestReadMultiplicand)});
    } else if (m < 0.0) {
        // TRANSLATORS: %1 is the multiplicand.
        working.whyNot = sentence(translated("Working", "The multiplicand %1 is less than 0. The rods are read step by "
                                                        "step for whole numbers from 0 up."),
                                  {shown});
    } else if (m != std::floor(m)) {
        // TRANSLATORS: %1 is the multiplicand.
        working.whyNot = sentence(translated("Working", "The multiplicand %1 is not a whole number. The rods are read "
                                                        "one whole digit at a time, so there is no step-by-step "
                                                        "reading for it."),
                                  {shown});
    } else {
        BoardState board;
        for (int digit : record.rods)
            board.placeRod(digit);
        // m is whole, from -0 to fifteen nines, so the conversion is exact.
        working.reading = readRods(board, static_cast<std::uint64_t>(std::fabs(m)));
    }
    return working;
}

} // namespace rods
