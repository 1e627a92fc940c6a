#include "tutor/progress/slip_words.h"

#include "core/words.h"
#include "tutor/exercise/sentence.h"

#include <array>

namespace rods {
namespace {

struct SlipWords {
    MarkedText title; // what the count counts
    MarkedText advice;
};

// In the order of SlipKind.
constexpr std::array<SlipWords, SlipKinds> Words{{
    // TRANSLATORS: a kind of slip, as the name of its count in the progress
    // report and a spreadsheet's column ("Forgotten carries: 5"); the advice
    // beside it says how to avoid it.
    {mark("Slip", "Forgotten carries"), mark("Advice", "After each diagonal, check whether it made 10 or more.")},
    {mark("Slip", "Carries where none came"),
     mark("Advice", "Carry 1 only from a diagonal or column that made 10 or more.")},
    {mark("Slip", "Tens written instead of units"),
     mark("Advice", "Where a diagonal makes 10 or more, write its units and carry its tens.")},
    {mark("Slip", "Digits left out"), mark("Advice", "Each diagonal gives one digit: count them as you write.")},
    {mark("Slip", "Digits too many"), mark("Advice", "Stop when the last diagonal or column is written.")},
    {mark("Slip", "Digits swapped"), mark("Advice", "Write the digits from the right, one place at a time.")},
    {mark("Slip", "Other wrong digits"), mark("Advice", "Add the two halves of each diagonal again, slowly.")},
    {mark("Slip", "Place zeros miscounted"),
     mark("Advice", "A row in the tens place gets one 0, in the hundreds place two, and so on.")},
    {mark("Slip", "Rows too large"), mark("Advice", "The row you choose must not be more than the number you divide.")},
    {mark("Slip", "Rows too small"),
     mark("Advice", "When what is left is not less than the divisor, a larger row fits.")},
    {mark("Slip", "Forgotten borrows"), mark("Advice", "A column that lent 1 to the column on its right has 1 less.")},
    {mark("Slip", "Borrows where none was needed"),
     mark("Advice", "Borrow only where the top digit is smaller than the one below.")},
    {mark("Slip", "Other subtraction slips"),
     mark("Advice", "Take away column by column from the right, and check each one.")},
}};

} // namespace

std::string slipTitleWords(SlipKind kind) { return translated(Words.at(static_cast<std::size_t>(kind)).title); }

std::string slipAdviceWords(SlipKind kind, int count)
{
    const SlipWords& words = Words.at(static_cast<std::size_t>(kind));
    // TRANSLATORS: a line of the progress report: %1 is a kind of slip
    // ("Forgotten carries"), %2 how many were made, %3 the advice.
    return sentence(translated("ProgressReport", "%1: %2. %3"),
                    {translated(words.title), std::to_string(count), translated(words.advice)});
}

} // namespace rods
