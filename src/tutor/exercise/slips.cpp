#include "tutor/exercise/slips.h"

#include "core/words.h"
#include "tutor/exercise/sentence.h"

#include <array>

namespace rods {
namespace {

struct SlipWords {
    std::string_view name;
    MarkedText counted; // what the count counts
    MarkedText advice;  // the count, then what to do about it
};

// Each advice is one text with its count, so that a translator writes its
// title and its count as the language puts them.
constexpr std::array<SlipWords, SlipKinds> Words{{
    {"carry-forgotten", mark("Slip", "Forgotten carries"),
     // TRANSLATORS: %1 is how many times the slip was made.
     mark("Advice", "Forgotten carries: %1. After each diagonal, check whether it made 10 or more.")},
    {"carry-extra", mark("Slip", "Carries where none came"),
     // TRANSLATORS: %1 is how many times the slip was made.
     mark("Advice", "Carries where none came: %1. Carry 1 only from a diagonal or column that made 10 or more.")},
    {"tens-written", mark("Slip", "Tens written instead of units"),
     // TRANSLATORS: %1 is how many times the slip was made.
     mark("Advice", "Tens written instead of units: %1. Where a diagonal makes 10 or more, write its units and carry "
                    "its tens.")},
    {"digit-missing", mark("Slip", "Digits left out"),
     // TRANSLATORS: %1 is how many times the slip was made.
     mark("Advice", "Digits left out: %1. Each diagonal gives one digit: count them as you write.")},
    {"digit-extra", mark("Slip", "Digits too many"),
     // TRANSLATORS: %1 is how many times the slip was made.
     mark("Advice", "Digits too many: %1. Stop when the last diagonal or column is written.")},
    {"digits-swapped", mark("Slip", "Digits swapped"),
     // TRANSLATORS: %1 is how many times the slip was made.
     mark("Advice", "Digits swapped: %1. Write the digits from the right, one place at a time.")},
    {"digit-wrong", mark("Slip", "Other wrong digits"),
     // TRANSLATORS: %1 is how many times the slip was made.
     mark("Advice", "Other wrong digits: %1. Add the two halves of each diagonal again, slowly.")},
    {"place-zeros", mark("Slip", "Place zeros miscounted"),
     // TRANSLATORS: %1 is how many times the slip was made.
     mark("Advice", "Place zeros miscounted: %1. A row in the tens place gets one 0, in the hundreds place two, and so "
                    "on.")},
    {"row-too-large", mark("Slip", "Rows too large"),
     // TRANSLATORS: %1 is how many times the slip was made.
     mark("Advice", "Rows too large: %1. The row you choose must not be more than the number you divide.")},
    {"row-too-small", mark("Slip", "Rows too small"),
     // TRANSLATORS: %1 is how many times the slip was made.
     mark("Advice", "Rows too small: %1. When what is left is not less than the divisor, a larger row fits.")},
    {"borrow-forgotten", mark("Slip", "Forgotten borrows"),
     // TRANSLATORS: %1 is how many times the slip was made.
     mark("Advice", "Forgotten borrows: %1. A column that lent 1 to the column on its right has 1 less.")},
    {"borrow-extra", mark("Slip", "Borrows where none was needed"),
     // TRANSLATORS: %1 is how many times the slip was made.
     mark("Advice", "Borrows where none was needed: %1. Borrow only where the top digit is smaller than the one "
                    "below.")},
    {"difference-wrong", mark("Slip", "Other subtraction slips"),
     // TRANSLATORS: %1 is how many times the slip was made.
     mark("Advice", "Other subtraction slips: %1. Take away column by column from the right, and check each one.")},
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

std::string slipTitle(SlipKind kind) { return translated(Words.at(static_cast<std::size_t>(kind)).counted); }

std::string slipAdvice(SlipKind kind, int count)
{
    return sentence(translated(Words.at(static_cast<std::size_t>(kind)).advice), {std::to_string(count)});
}

} // namespace rods
