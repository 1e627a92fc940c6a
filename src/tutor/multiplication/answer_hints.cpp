#include "tutor/multiplication/answer_hints.h"

#include "core/place_names.h"
#include "tutor/exercise/sentence.h"

#include <array>

namespace rods {
namespace {

// "the third diagonal from the right", for the middle of a sentence.
std::string lowerFirst(std::string text)
{
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z')
        text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

std::string ordinal(std::size_t n)
{
    constexpr std::array<std::string_view, 10> Words{"first", "second",  "third",  "fourth", "fifth",
                                                     "sixth", "seventh", "eighth", "ninth",  "tenth"};
    return n >= 1 && n <= Words.size() ? std::string(Words[n - 1]) : std::to_string(n) + "th";
}

// "3", "5 and 5", "1, 6 and 7".
std::string listed(const std::vector<int>& parts)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += i + 1 == parts.size() ? " and " : ", ";
        text += std::to_string(parts[i]);
    }
    return text;
}

// Where the carry into a place comes from: "5 + 5" for a diagonal, "the tens
// column" for a column.
std::string carrySource(PlaceKind kind, const std::vector<Place>& places, std::size_t place)
{
    if (kind == PlaceKind::Column)
        return "the " + std::string(placeName(static_cast<int>(place - 1))) + " column";
    const Place& before = places.at(place - 1);
    std::string text;
    for (int part : before.parts)
        text += (text.empty() ? "" : " + ") + std::to_string(part);
    if (before.in != 0)
        text += " + " + std::to_string(before.in);
    return text;
}

// "The third diagonal from the right holds 3, plus the 1 carried from 5 + 5
// makes 4": what the place adds up to.
std::string placeSum(const AnswerCheck& check, const std::vector<Place>& places, PlaceKind kind)
{
    const Place& sum = places.at(check.place);
    std::string text = placeInWords(kind, check.place);
    if (sum.parts.empty()) {
        text += " holds only the " + std::to_string(sum.in) + " carried from " + carrySource(kind, places, check.place);
    } else if (sum.in != 0) {
        text += " holds " + listed(sum.parts) + ", plus the " + std::to_string(sum.in) + " carried from "
                + carrySource(kind, places, check.place) + " makes " + std::to_string(sum.result);
    } else if (sum.parts.size() > 1) {
        text += " holds " + listed(sum.parts) + ", which make " + std::to_string(sum.result);
    } else {
        text += " holds only " + listed(sum.parts);
    }
    return text;
}

// "The third diagonal from the right holds 3, plus the 1 carried from 5 + 5
// makes 4, not 3: the carry was forgotten."
std::string wrongPlace(const AnswerCheck& check, const std::vector<Place>& places, PlaceKind kind)
{
    const Place& sum = places.at(check.place);
    std::string text = placeSum(check, places, kind);
    if (check.slip == Slip::WholeSumWritten)
        return sentence(kind == PlaceKind::Diagonal ? "%1: write %2 there and carry the %3 to the next diagonal. Your "
                                                      "answer has the whole %4 in one place."
                                                    : "%1: write %2 there and carry the %3 to the next column. Your "
                                                      "answer has the whole %4 in one place.",
                        {text, std::to_string(sum.digit()), std::to_string(sum.out()), std::to_string(sum.result)});
    if (sum.result >= 10 || sum.parts.empty() || (sum.parts.size() == 1 && sum.in == 0))
        text += ", so it gives " + std::to_string(sum.result % 10);
    text += ", not " + std::to_string(check.typedDigit);
    switch (check.slip) {
    case Slip::ForgottenCarry:
        return text + ": the carry was forgotten.";
    case Slip::TensWritten:
        return text + ": write its units digit, " + std::to_string(sum.result % 10) + ", and carry the "
               + std::to_string(sum.result / 10) + " to the next "
               + (kind == PlaceKind::Diagonal ? "diagonal" : "column") + ".";
    case Slip::ExtraCarry:
        return text + ": nothing is carried into this " + (kind == PlaceKind::Diagonal ? "diagonal" : "column")
               + ", so there is no carry to add.";
    default:
        return text + ".";
    }
}

} // namespace

std::string placeInWords(PlaceKind kind, std::size_t place)
{
    if (kind == PlaceKind::Column)
        return "The " + std::string(placeName(static_cast<int>(place))) + " column";
    return "The " + ordinal(place + 1) + " diagonal from the right";
}

std::string hintInWords(const AnswerCheck& check, const std::vector<Place>& places, PlaceKind kind,
                        std::string_view whole, std::size_t placeZeros, std::string_view placeName)
{
    std::string hint;
    if (check.wrongLength() && placeZeros == 0)
        hint = sentence("Your answer has %1, but %2 has %3.",
                        {counted(check.typedLength, "digit", "digits"), whole, std::to_string(check.rightLength)});
    else if (check.wrongLength())
        hint = sentence("Your answer has %1, but %2 has %3, and %4 written in the %5 place.",
                        {counted(check.typedLength + placeZeros, "digit", "digits"), whole,
                         std::to_string(check.rightLength), std::to_string(check.rightLength + placeZeros), placeName});
    auto add = [&hint](const std::string& words) { hint += (hint.empty() ? "" : " ") + words; };
    switch (check.slip) {
    case Slip::None:
        return {};
    case Slip::MissingDigit:
        if (check.place < places.size())
            add(placeInWords(kind, check.place) + " gives " + std::to_string(check.rightDigit)
                + ", and your answer has no digit for it.");
        break;
    case Slip::ExtraDigit:
        // Leading zeros are gone from a typed answer: the digits in front are
        // never 0s a leftmost diagonal might have made.
        if (check.typedLength == check.rightLength + 1)
            add(sentence("The %1 in front is one digit too many.", {std::to_string(check.typedDigit)}));
        else
            add(sentence("The first %1 are too many.",
                         {counted(check.typedLength - check.rightLength, "digit", "digits")}));
        break;
    case Slip::Swapped: {
        const std::string here = std::to_string(check.rightDigit);
        const std::string next = std::to_string(check.typedDigit);
        add(sentence("The %1 and the %2 have changed places: %3 gives %1, and the next %4 to its left gives %2.",
                     {here, next, lowerFirst(placeInWords(kind, check.place)),
                      kind == PlaceKind::Diagonal ? "diagonal" : "column"}));
        break;
    }
    default:
        // Only a row for a 0 digit has no places to point at.
        add(check.place < places.size() ? wrongPlace(check, places, kind) : "Any number times 0 is 0.");
        break;
    }
    return hint;
}

} // namespace rods
