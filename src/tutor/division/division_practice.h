#pragma once

#include "tutor/division/division.h"
#include "tutor/multiplication/practice.h"

#include <optional>
#include <string>
#include <vector>

namespace rods {

// What the learner answers in a long division: for each quotient digit, how
// many times the divisor goes into the part, then, where it goes in at least
// once, what is left after the subtraction.
struct DivisionQuestion {
    enum class Kind { Digit, Left };
    Kind kind = Kind::Digit;
    std::size_t step = 0; // the quotient digit it belongs to
    std::string answer;   // its digits
    std::string task;     // the question as the learner sees it
    std::string box;      // what stands before the answer box: "36 ÷ 12 =", "36 − 36 ="
};

// A learner working a long division: the questions in order, each answered
// or shown before the next, and the ones right at the first try counted, as
// in a multiplication.
class DivisionPractice {
public:
    DivisionPractice() = default;
    explicit DivisionPractice(const Division& division);

    [[nodiscard]] std::size_t questions() const { return questions_.size(); }
    [[nodiscard]] const DivisionQuestion& question(std::size_t index) const { return questions_.at(index); }
    [[nodiscard]] Practice::State state(std::size_t index) const { return states_.at(index); }
    // How many questions are answered; they are answered in order.
    [[nodiscard]] std::size_t answered() const;
    [[nodiscard]] bool finished() const { return answered() == questions(); }

    struct Attempt {
        Practice::Attempt::Outcome outcome = Practice::Attempt::Outcome::Refused;
        std::string message;          // the refusal or the hint
        std::optional<int> markedRow; // the row of the rods the hint speaks of
        std::optional<SlipKind> slip; // when wrong
    };
    Attempt answer(std::size_t index, std::string_view typed);
    void reveal(std::size_t index);

    // "Right at the first try: 2 of 5".
    [[nodiscard]] std::string tally() const;
    [[nodiscard]] std::size_t rightFirst() const { return rightAtFirstTry(states_, missed_); }
    [[nodiscard]] std::size_t shown() const { return shownOf(states_); }
    [[nodiscard]] const std::vector<SlipKind>& slips() const { return slips_; }
    [[nodiscard]] std::string summary() const;

private:
    struct Hint {
        std::string words;
        SlipKind slip;
    };
    [[nodiscard]] Hint digitHint(const DivisionStep& step, int typed) const;
    [[nodiscard]] Hint leftHint(const DivisionStep& step, const std::string& typed) const;

    Division division_;
    std::vector<DivisionQuestion> questions_;
    std::vector<Practice::State> states_;
    std::vector<bool> missed_;
    std::vector<SlipKind> slips_;
};

} // namespace rods
