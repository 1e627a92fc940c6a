#pragma once

#include "tutor/exercise/step_view.h"
#include "tutor/multiplication/reading.h"

#include <optional>
#include <string>
#include <vector>

namespace rods {

// A product as GO listed it, with what it is the product of, kept so that its
// working stays right after the board changes.
struct ProductRecord {
    std::vector<int> rods; // the rods' digits, left to right; empty with no rods
    double multiplicand = 0.0;
    std::string listed; // the list item's text
};

// "307 × 12 = 3684": the rods as they stand (0 with no rods), the
// multiplicand, the listed product.
[[nodiscard]] std::string productSentence(const ProductRecord& record);

// The rods as they stand (0 with no rods) times the multiplicand.
[[nodiscard]] Expression factorsOf(const ProductRecord& record);

// "Working: 307 × 12".
[[nodiscard]] std::string workingTitle(const ProductRecord& record);

// The step-by-step reading of a product, or one plain sentence why there is
// none: no rods, or a multiplicand that is not a whole number from 0 to
// 999,999,999,999,999.
struct Working {
    std::optional<Reading> reading;
    std::string whyNot;
};

[[nodiscard]] Working workOut(const ProductRecord& record);

} // namespace rods
