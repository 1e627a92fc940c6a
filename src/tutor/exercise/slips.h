#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rods {

// The kinds of slip a learner's progress counts, in multiplication and in
// long division. Their names are written in the progress file: keep them.
enum class SlipKind {
    ForgottenCarry,
    ExtraCarry,
    TensWritten,
    MissingDigit,
    ExtraDigit,
    Swapped,
    WrongDigit,
    PlaceZeros,  // a row written in its place with too many or too few zeros
    RowTooLarge, // a row of the divisor's rods that is more than the part
    RowTooSmall, // a row that leaves the divisor or more
    ForgottenBorrow,
    ExtraBorrow,
    WrongDifference, // a subtraction's digit that no simple slip explains
};
inline constexpr int SlipKinds = 13;

// The name in the progress file ("carry-forgotten"), and back.
[[nodiscard]] std::string_view slipName(SlipKind kind);
[[nodiscard]] std::optional<SlipKind> slipNamed(std::string_view name);

} // namespace rods
