#include "tutor/exercise/slips.h"

#include <array>

namespace rods {
namespace {

struct SlipWords {
    std::string_view name;
    std::string_view counted; // what the count counts
    std::string_view advice;
};

constexpr std::array<SlipWords, SlipKinds> Words{{
    {"carry-forgotten", "Forgotten carries", "After each diagonal, check whether it made 10 or more."},
    {"carry-extra", "Carries where none came", "Carry 1 only from a diagonal or column that made 10 or more."},
    {"tens-written", "Tens written instead of units",
     "Where a diagonal makes 10 or more, write its units and carry its tens."},
    {"digit-missing", "Digits left out", "Each diagonal gives one digit: count them as you write."},
    {"digit-extra", "Digits too many", "Stop when the last diagonal or column is written."},
    {"digits-swapped", "Digits swapped", "Write the digits from the right, one place at a time."},
    {"digit-wrong", "Other wrong digits", "Add the two halves of each diagonal again, slowly."},
    {"place-zeros", "Place zeros miscounted",
     "A row in the tens place gets one 0, in the hundreds place two, and so on."},
    {"row-too-large", "Rows too large", "The row you choose must not be more than the number you divide."},
    {"row-too-small", "Rows too small", "When what is left is not less than the divisor, a larger row fits."},
    {"borrow-forgotten", "Forgotten borrows", "A column that lent 1 to the column on its right has 1 less."},
    {"borrow-extra", "Borrows where none was needed", "Borrow only where the top digit is smaller than the one below."},
    {"difference-wrong", "Other subtraction slips", "Take away column by column from the right, and check each one."},
}};

} // namespace

std::string_view slipName(SlipKind kind) { return Words.at(static_cast<std::size_t>(kind)).name; }

std::optional<SlipKind> slipNamed(std::string_view name)
{
    for (std::size_t i = 0; i < Words.size(); ++i)
        if (Words[i].name == name)
            return static_cast<SlipKind>(i);
    return std::nullopt;
}

std::string_view slipTitle(SlipKind kind) { return Words.at(static_cast<std::size_t>(kind)).counted; }

std::string slipAdvice(SlipKind kind, int count)
{
    const SlipWords& words = Words.at(static_cast<std::size_t>(kind));
    return std::string(words.counted) + ": " + std::to_string(count) + ". " + std::string(words.advice);
}

} // namespace rods
