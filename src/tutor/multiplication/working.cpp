#include "tutor/multiplication/working.h"

#include "core/board_state.h"
#include "core/numbers.h"
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

std::string workingTitle(const ProductRecord& record) { return "Working: " + factors(record); }

Working workOut(const ProductRecord& record)
{
    Working working;
    const double m = record.multiplicand;
    const std::string shown = numberToText(m);
    if (record.rods.empty()) {
        working.whyNot = "There are no rods on the board, so the multiplier is 0 and the product is 0: there is no "
                         "row of the rods to read.";
    } else if (!std::isfinite(m) || std::fabs(m) > static_cast<double>(LargestReadMultiplicand)) {
        working.whyNot = "The multiplicand " + shown
                         + " has more than 15 digits. The rods are read step by step for multiplicands up to "
                           "999,999,999,999,999.";
    } else if (m < 0.0) {
        working.whyNot = "The multiplicand " + shown
                         + " is less than 0. The rods are read step by step for whole numbers from 0 up.";
    } else if (m != std::floor(m)) {
        working.whyNot = "The multiplicand " + shown
                         + " is not a whole number. The rods are read one whole digit at a time, so there is no "
                           "step-by-step reading for it.";
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
