#include "tutor/exercise/answer_check.h"

#include "core/digits.h"
#include "core/words.h"

#include <optional>
#include <string>
#include <utility>

namespace rods {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The digit `place` positions from the right, or -1 past the left end.
int digitAt(std::string_view number, std::size_t place)
{
    return place < number.size() ? number[number.size() - 1 - place] - '0' : -1;
}

// Whether the typed answer is the right one with the digits at `place` and
// the place to its left swapped.
bool swappedAt(std::string_view right, std::string_view typed, std::size_t place)
{
    if (right.size() != typed.size() || place + 1 >= right.size())
        return false;
    std::string swapped(right);
    const std::size_t at = right.size() - 1 - place;
    std::swap(swapped[at], swapped[at - 1]);
    return swapped == typed;
}

// The digits of a number less `amount`, without leading zeros: empty for 0.
std::string lessBy(std::string digits, int amount)
{
    for (std::size_t at = digits.size(); at-- > 0 && amount > 0;) {
        const int digit = digits[at] - '0' - amount % 10;
        amount = amount / 10 + (digit < 0 ? 1 : 0);
        digits[at] = static_cast<char>('0' + (digit + 10) % 10);
    }
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

// The place where the typed answer has a whole sum of 10 or more ("12")
// written in one place instead of its digit, the rest right: its tens
// carried to the next place all the same, or not carried.
std::optional<std::size_t> wholeSumAt(std::string_view right, const std::vector<Place>& places, std::string_view typed)
{
    for (std::size_t place = 0; place < places.size() && place < right.size(); ++place) {
        const Place& sum = places[place];
        if (sum.result < 10 || sum.borrows)
            continue;
        const std::size_t at = right.size() - 1 - place;
        const std::string whole = std::to_string(sum.result);
        const std::string_view lower = right.substr(at + 1);
        const std::string carried = std::string(right.substr(0, at)) + whole + std::string(lower);
        const std::string notCarried = lessBy(std::string(right.substr(0, at)), sum.out()) + whole + std::string(lower);
        if (typed == carried || typed == notCarried)
            return place;
    }
    return std::nullopt;
}

} // namespace

TypedAnswer readAnswer(std::string_view typedAsIs)
{
    // Digits as a pupil's keyboard may type them (Arabic-Indic, Persian,
    // full-width) are the same digits.
    const std::string typed = withLatinDigits(typedAsIs);
    std::string digits;
    for (char c : typed) {
        if (isBlank(c))
            continue;
        if (c < '0' || c > '9')
            // TRANSLATORS: "Check" is the button that checks an answer.
            return {
                std::nullopt,
                translated("Refusal", "An answer is made of digits only. Type the digits 0 to 9, then press Check.")};
        digits += c;
    }
    if (digits.empty())
        // TRANSLATORS: "Check" is the button that checks an answer.
        return {std::nullopt, translated("Refusal", "Type your answer in digits first, then press Check.")};
    return {withoutLeadingZeros(std::move(digits)), {}};
}

AnswerCheck checkAnswer(std::string_view right, const std::vector<Place>& places, std::string_view typed)
{
    AnswerCheck check;
    check.rightLength = right.size();
    check.typedLength = typed.size();
    if (right == typed)
        return check;
    if (const std::optional<std::size_t> whole = wholeSumAt(right, places, typed)) {
        check.slip = Slip::WholeSumWritten;
        check.place = *whole;
        check.rightDigit = digitAt(right, *whole);
        check.typedDigit = digitAt(typed, *whole);
        return check;
    }
    const std::size_t longer = std::max(right.size(), typed.size());
    std::size_t place = 0;
    while (place < longer && digitAt(right, place) == digitAt(typed, place))
        ++place;
    check.place = place;
    check.rightDigit = digitAt(right, place);
    check.typedDigit = digitAt(typed, place);
    if (check.typedDigit < 0) {
        check.slip = Slip::MissingDigit;
    } else if (check.rightDigit < 0) {
        check.slip = Slip::ExtraDigit;
    } else if (swappedAt(right, typed, place)) {
        check.slip = Slip::Swapped;
    } else {
        check.slip = Slip::WrongDigit;
        if (place < places.size()) {
            const Place& sum = places[place];
            if (sum.in > 0 && check.typedDigit == (sum.result - sum.in) % 10)
                check.slip = Slip::ForgottenCarry;
            else if (sum.result >= 10 && check.typedDigit == sum.result / 10)
                check.slip = Slip::TensWritten;
            else if (sum.in == 0 && check.typedDigit == (sum.result + 1) % 10)
                check.slip = Slip::ExtraCarry;
        }
    }
    return check;
}

} // namespace rods
