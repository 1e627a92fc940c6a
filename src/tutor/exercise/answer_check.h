#pragma once

#include "tutor/exercise/rows.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rods {

// A learner's answer as typed: its digits, blanks anywhere ignored, or the
// reason there is no answer to check.
struct TypedAnswer {
    std::optional<std::string> digits; // without leading zeros: "0" for zero
    std::string refusal;               // for the learner, when there are no digits
};
[[nodiscard]] TypedAnswer readAnswer(std::string_view typed);

// What went wrong at the first wrong place.
enum class Slip {
    None,            // the answer is right
    WrongDigit,      // a digit that no simple slip explains
    ForgottenCarry,  // the digit the place gives without the carry into it
    TensWritten,     // the tens of a place that makes 10 or more, not its units
    ExtraCarry,      // the digit with 1 added where nothing is carried
    MissingDigit,    // the answer is too short to have a digit there
    ExtraDigit,      // the answer goes on where the right one has ended
    Swapped,         // the right digits, but this place's and the next one's swapped
    WholeSumWritten, // a place's whole sum of 10 or more written where its digit belongs
};

// Where an answer first differs from the right one, counting places from the
// right as a learner adds them.
struct AnswerCheck {
    Slip slip = Slip::None;
    std::size_t place = 0; // from the right, 0 for the rightmost
    int rightDigit = -1;   // -1 where the right answer has no digit there
    int typedDigit = -1;   // -1 where the typed answer has no digit there
    std::size_t rightLength = 0;
    std::size_t typedLength = 0;

    [[nodiscard]] bool right() const { return slip == Slip::None; }
    [[nodiscard]] bool wrongLength() const { return rightLength != typedLength; }
};

// Compares typed digits (as readAnswer gives them) with the right answer,
// whose places are given from the right.
[[nodiscard]] AnswerCheck checkAnswer(std::string_view right, const std::vector<Place>& places, std::string_view typed);

} // namespace rods
