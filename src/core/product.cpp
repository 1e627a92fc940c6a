#include "core/product.h"

#include "core/board_state.h"
#include "core/numbers.h"

#include <cmath>

namespace rods {

ProductOutcome computeProduct(const BoardState& board, const MultiplicandTexts& boxes)
{
    const int rodCount = board.RodCount();
    double multiplier = 0.0;
    for (int rod = rodCount; rod >= 1; --rod)
        multiplier += powerOfTen(rodCount - rod) * board.digit(rod);

    ProductOutcome outcome;
    bool outOfRange = false;
    double multiplicand = 0.0;
    for (int box = LastMultiplicandBox; box >= FirstMultiplicandBox; --box) {
        const ParsedNumber number = textToNumber(boxes.at(static_cast<std::size_t>(box)));
        if (number.status == ParseStatus::NotANumber)
            outcome.badBox = box; // ends on the leftmost such box
        outOfRange = outOfRange || number.status == ParseStatus::OutOfRange;
        multiplicand += number.value * powerOfTen(LastMultiplicandBox - box);
    }
    if (outcome.badBox >= 0) {
        outcome.message = OnlyNumbers;
        return outcome;
    }

    const double product = multiplier * multiplicand;
    if (outOfRange || !std::isfinite(product)) {
        outcome.message = TooLarge;
        return outcome;
    }
    outcome.text = numberToText(product);
    outcome.multiplicand = multiplicand;
    return outcome;
}

} // namespace rods
