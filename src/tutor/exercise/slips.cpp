#include "tutor/exercise/slips.h"

#include <array>

namespace rods {
namespace {

// The names in the progress file, in the order of SlipKind: a file format,
// never shown (the words for a learner are in progress/slip_words).
constexpr std::array<std::string_view, SlipKinds> Names{
    "carry-forgotten",  "carry-extra",  "tens-written",     "digit-missing", "digit-extra",
    "digits-swapped",   "digit-wrong",  "place-zeros",      "row-too-large", "row-too-small",
    "borrow-forgotten", "borrow-extra", "difference-wrong",
};

} // namespace

std::string_view slipName(SlipKind kind) { return Names.at(static_cast<std::size_t>(kind)); }

std::optional<SlipKind> slipNamed(std::string_view name)
{
    for (std::size_t i = 0; i < Names.size(); ++i)
        if (Names[i] == name)
            return static_cast<SlipKind>(i);
    return std::nullopt;
}

} // namespace rods
