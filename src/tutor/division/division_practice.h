#pragma once

#include "tutor/division/division.h"
#include "tutor/exercise/question_track.h"
#include "tutor/exercise/step_view.h"

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
    Expression asked;     // 36 ÷ 12, 36 − 36
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
    [[nodiscard]] QuestionState state(std::size_t index) const { return track_.state(index); }
    // How many questions are answered; they are answered in order.
    [[nodiscard]] std::size_t answered() const { return track_.answered(); }
    [[nodiscard]] bool finished() const { return track_.finished(); }

    struct Attempt {
        AnswerOutcome outcome = AnswerOutcome::Refused;
        std::string message;          // the refusal or the hint
        std::optional<int> markedRow; // the row of the rods the hint speaks of
        std::optional<SlipKind> slip; // when wrong
    };
    Attempt answer(std::size_t index, std::string_view typed);
    void reveal(std::size_t index) { track_.show(index); }

    // The questions answered so far: the tally, the slips.
    [[nodiscard]] const QuestionTrack& track() const { return track_; }
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
    QuestionTrack track_;
};

} // namespace rods
