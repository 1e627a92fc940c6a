#include "tutor/multiplication/answer_hints.h"

#include "core/words.h"
#include "tutor/exercise/sentence.h"
#include "tutor/multiplication/place_phrases.h"

namespace rods {
namespace {

// "3", "5 and 5", "1, 6 and 7".
std::string listedParts(const std::vector<int>& parts)
{
    std::vector<std::string> items;
    for (int part : parts)
        items.push_back(std::to_string(part));
    return listed(items);
}

// The sum a diagonal's carry comes from: "5 + 5", "5 + 5 + 1".
std::string carriedSum(const Place& before)
{
    std::string text;
    for (int part : before.parts)
        text += (text.empty() ? "" : " + ") + std::to_string(part);
    if (before.in != 0)
        text += " + " + std::to_string(before.in);
    return text;
}

// "The third diagonal from the right holds 3, plus the 1 carried from 5 + 5
// makes 4": what the place adds up to, a clause of its own. With `gives`,
// the digit it gives follows (", so it gives 4"), where the sum alone does
// not show it.
std::string placeSum(const AnswerCheck& check, const std::vector<Place>& places, PlaceKind kind, bool gives)
{
    const Place& sum = places.at(check.place);
    const std::string place = placeInWords(kind, check.place);
    const std::string in = std::to_string(sum.in);
    const std::string result = std::to_string(sum.result);
    const std::string digit = std::to_string(sum.digit());
    const bool diagonal = kind == PlaceKind::Diagonal;
    // A carry into a diagonal comes from the sum of the diagonal before; into
    // a column, from the column before.
    const std::string from = sum.in == 0 || check.place == 0 ? std::string()
                             : diagonal                      ? carriedSum(places.at(check.place - 1))
                                                             : fromColumn(check.place - 1);
    if (sum.parts.empty() && gives && diagonal)
        // TRANSLATORS: %1 names a diagonal, %2 the number carried into it, %3
        // the sum it came from ("5 + 5"), %4 the digit the diagonal gives.
        return sentence(translated("Hint", "%1 holds only the %2 carried from %3, so it gives %4"),
                        {place, in, from, digit});
    if (sum.parts.empty() && gives)
        // TRANSLATORS: %1 names a column, %2 the number carried into it, %3
        // where it came from ("from the tens column"), %4 the digit the
        // column gives.
        return sentence(translated("Hint", "%1 holds only the %2 carried %3, so it gives %4"),
                        {place, in, from, digit});
    if (sum.parts.empty() && diagonal)
        // TRANSLATORS: %1 names a diagonal, %2 the number carried into it, %3
        // the sum it came from ("5 + 5").
        return sentence(translated("Hint", "%1 holds only the %2 carried from %3"), {place, in, from});
    if (sum.parts.empty())
        // TRANSLATORS: %1 names a column, %2 the number carried into it, %3
        // where it came from ("from the tens column").
        return sentence(translated("Hint", "%1 holds only the %2 carried %3"), {place, in, from});
    const std::string parts = listedParts(sum.parts);
    if (sum.in != 0 && diagonal && gives)
        // TRANSLATORS: %1 names a diagonal, %2 lists the numbers it holds
        // ("3", "5 and 5"), %3 the number carried into it, %4 the sum it came
        // from ("5 + 5"), %5 its total, %6 the digit it gives.
        return sentence(translated("Hint", "%1 holds %2, plus the %3 carried from %4 makes %5, so it gives %6"),
                        {place, parts, in, from, result, digit});
    if (sum.in != 0 && diagonal)
        // TRANSLATORS: %1 names a diagonal, %2 lists the numbers it holds
        // ("3", "5 and 5"), %3 the number carried into it, %4 the sum it came
        // from ("5 + 5"), %5 its total.
        return sentence(translated("Hint", "%1 holds %2, plus the %3 carried from %4 makes %5"),
                        {place, parts, in, from, result});
    if (sum.in != 0 && gives)
        // TRANSLATORS: %1 names a column, %2 lists the numbers it holds ("3",
        // "5 and 5"), %3 the number carried into it, %4 where it came from
        // ("from the tens column"), %5 its total, %6 the digit it gives.
        return sentence(translated("Hint", "%1 holds %2, plus the %3 carried %4 makes %5, so it gives %6"),
                        {place, parts, in, from, result, digit});
    if (sum.in != 0)
        // TRANSLATORS: %1 names a column, %2 lists the numbers it holds ("3",
        // "5 and 5"), %3 the number carried into it, %4 where it came from
        // ("from the tens column"), %5 its total.
        return sentence(translated("Hint", "%1 holds %2, plus the %3 carried %4 makes %5"),
                        {place, parts, in, from, result});
    if (sum.parts.size() > 1 && gives)
        // TRANSLATORS: %1 names a diagonal or a column, %2 lists the numbers
        // it holds ("5 and 5"), %3 their total, %4 the digit it gives.
        return sentence(translated("Hint", "%1 holds %2, which make %3, so it gives %4"),
                        {place, parts, result, digit});
    if (sum.parts.size() > 1)
        // TRANSLATORS: %1 names a diagonal or a column, %2 lists the numbers
        // it holds ("5 and 5"), %3 their total.
        return sentence(translated("Hint", "%1 holds %2, which make %3"), {place, parts, result});
    // TRANSLATORS: %1 names a diagonal or a column, %2 the one number it
    // holds, %3 the digit it gives.
    return sentence(translated("Hint", "%1 holds only %2, so it gives %3"), {place, parts, digit});
}

// "The third diagonal from the right holds 3, plus the 1 carried from 5 + 5
// makes 4, not 3: the carry was forgotten."
std::string wrongPlace(const AnswerCheck& check, const std::vector<Place>& places, PlaceKind kind)
{
    const Place& sum = places.at(check.place);
    const bool diagonal = kind == PlaceKind::Diagonal;
    const std::string digit = std::to_string(sum.digit());
    if (check.slip == Slip::WholeSumWritten) {
        const std::string holds = placeSum(check, places, kind, false);
        const std::string carry = std::to_string(sum.out());
        const std::string whole = std::to_string(sum.result);
        // TRANSLATORS: %1 says what a diagonal holds ("The second diagonal
        // from the right holds 5 and 7, which make 12"), %2 the digit to
        // write, %3 the carry, %4 the whole sum.
        return sentence(diagonal ? translated("Hint", "%1: write %2 there and carry the %3 to the next diagonal. Your "
                                                      "answer has the whole %4 in one place.")
                                 // TRANSLATORS: %1 says what a column holds, %2 the digit to write,
                                 // %3 the carry, %4 the whole sum.
                                 : translated("Hint", "%1: write %2 there and carry the %3 to the next column. Your "
                                                      "answer has the whole %4 in one place."),
                        {holds, digit, carry, whole});
    }
    const bool gives = sum.result >= 10 || sum.parts.empty() || (sum.parts.size() == 1 && sum.in == 0);
    const std::string holds = placeSum(check, places, kind, gives);
    const std::string typed = std::to_string(check.typedDigit);
    switch (check.slip) {
    case Slip::ForgottenCarry:
        // TRANSLATORS: %1 says what the place holds and gives ("The third
        // diagonal from the right holds 3, plus the 1 carried from 5 + 5
        // makes 4"), %2 the digit typed instead.
        return sentence(translated("Hint", "%1, not %2: the carry was forgotten."), {holds, typed});
    case Slip::TensWritten: {
        const std::string tens = std::to_string(sum.result / 10);
        // TRANSLATORS: %1 says what a diagonal holds and gives, %2 the digit
        // typed instead, %3 its units digit, %4 its tens.
        return sentence(diagonal ? translated("Hint", "%1, not %2: write its units digit, %3, and carry the %4 to the "
                                                      "next diagonal.")
                                 // TRANSLATORS: %1 says what a column holds and gives, %2 the digit
                                 // typed instead, %3 its units digit, %4 its tens.
                                 : translated("Hint", "%1, not %2: write its units digit, %3, and carry the %4 to the "
                                                      "next column."),
                        {holds, typed, digit, tens});
    }
    case Slip::ExtraCarry:
        // TRANSLATORS: %1 says what a diagonal holds and gives, %2 the digit
        // typed instead.
        return sentence(diagonal ? translated("Hint", "%1, not %2: nothing is carried into this diagonal, so there is "
                                                      "no carry to add.")
                                 // TRANSLATORS: %1 says what a column holds and gives, %2 the digit
                                 // typed instead.
                                 : translated("Hint", "%1, not %2: nothing is carried into this column, so there is "
                                                      "no carry to add."),
                        {holds, typed});
    default:
        // TRANSLATORS: %1 says what the place holds and gives, %2 the digit
        // typed instead.
        return sentence(translated("Hint", "%1, not %2."), {holds, typed});
    }
}

} // namespace

std::string placeInWords(PlaceKind kind, std::size_t place)
{
    return kind == PlaceKind::Column ? columnStartingSentence(place) : diagonalStartingSentence(place);
}

std::string hintInWords(const AnswerCheck& check, const std::vector<Place>& places, PlaceKind kind,
                        std::string_view whole, std::size_t placeZeros, std::string_view inPlace)
{
    std::string hint;
    const auto typed = static_cast<long long>(check.typedLength);
    const std::string rightLength = std::to_string(check.rightLength);
    if (check.wrongLength() && placeZeros == 0)
        // TRANSLATORS: %n digits typed; %1 is what the answer should be
        // ("307 × 2"), %2 how many digits it has.
        hint = sentence(translatedCount("Hint", "Your answer has %n digit, but %1 has %2.",
                                        "Your answer has %n digits, but %1 has %2.", typed),
                        {whole, rightLength});
    else if (check.wrongLength())
        // TRANSLATORS: %n digits typed; %1 is what the answer should be
        // ("307 × 1"), %2 how many digits it has, %3 how many it has written
        // in its place, %4 that place ("in the tens place").
        hint = sentence(translatedCount("Hint", "Your answer has %n digit, but %1 has %2, and %3 written %4.",
                                        "Your answer has %n digits, but %1 has %2, and %3 written %4.",
                                        typed + static_cast<long long>(placeZeros)),
                        {whole, rightLength, std::to_string(check.rightLength + placeZeros), inPlace});
    auto add = [&hint](const std::string& words) { hint += (hint.empty() ? "" : " ") + words; };
    switch (check.slip) {
    case Slip::None:
        return {};
    case Slip::MissingDigit:
        if (check.place < places.size())
            // TRANSLATORS: %1 names a diagonal or a column, %2 the digit it gives.
            add(sentence(translated("Hint", "%1 gives %2, and your answer has no digit for it."),
                         {placeInWords(kind, check.place), std::to_string(check.rightDigit)}));
        break;
    case Slip::ExtraDigit:
        // Leading zeros are gone from a typed answer: the digits in front are
        // never 0s a leftmost diagonal might have made.
        if (check.typedLength == check.rightLength + 1)
            // TRANSLATORS: %1 is the digit in front.
            add(sentence(translated("Hint", "The %1 in front is one digit too many."),
                         {std::to_string(check.typedDigit)}));
        else
            // TRANSLATORS: %n is 2 or more.
            // xgettext:no-c-format
            add(translatedCount("Hint", "The first %n digit are too many.", "The first %n digits are too many.",
                                static_cast<long long>(check.typedLength - check.rightLength)));
        break;
    case Slip::Swapped: {
        const std::string here = std::to_string(check.rightDigit);
        const std::string next = std::to_string(check.typedDigit);
        if (kind == PlaceKind::Diagonal)
            // TRANSLATORS: %1 and %2 are the two digits, %3 names the diagonal
            // that gives %1 ("the third diagonal from the right").
            add(sentence(translated("Hint", "The %1 and the %2 have changed places: %3 gives %1, and the next "
                                            "diagonal to its left gives %2."),
                         {here, next, diagonalInSentence(check.place)}));
        else
            // TRANSLATORS: %1 and %2 are the two digits, %3 names the column
            // that gives %1 ("the tens column").
            add(sentence(translated("Hint", "The %1 and the %2 have changed places: %3 gives %1, and the next "
                                            "column to its left gives %2."),
                         {here, next, columnInSentence(check.place)}));
        break;
    }
    default:
        // Only a row for a 0 digit has no places to point at.
        add(check.place < places.size() ? wrongPlace(check, places, kind)
                                        : translated("Hint", "Any number times 0 is 0."));
        break;
    }
    return hint;
}

} // namespace rods
