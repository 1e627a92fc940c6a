#pragma once

#include "tutor/exercise/question_track.h"
#include "tutor/exercise/step_view.h"
#include "tutor/multiplication/answer_hints.h"
#include "tutor/multiplication/reading.h"

#include <optional>
#include <string>
#include <vector>

namespace rods {

// What the learner answers in one step of a working: a row's partial product,
// or at the last step the sum of the rows.
struct StepQuestion {
    Expression asked;   // what the answer is: 307 × 2, 307 × 12
    std::string answer; // its digits
    std::vector<Place> places;
    PlaceKind kind = PlaceKind::Diagonal;
    std::string task; // the step as the learner sees it before answering
    // A row of a place above the units may also be typed as it is written in
    // the long multiplication, with a 0 for each place: 3070 for 307 × 1 in
    // the tens place.
    std::size_t placeZeros = 0;
    int place = 0;
};
[[nodiscard]] StepQuestion questionFor(const Reading& reading, std::size_t step);

// A learner working a product step by step: each step is answered or shown
// before the next one opens, and the steps right at the first try are counted.
class Practice {
public:
    using State = QuestionState;
    struct Attempt {
        using Outcome = AnswerOutcome;
        Outcome outcome = Outcome::Refused;
        // The refusal or the hint; when right, what was right about it if that
        // needs saying ("307 × 1 = 307, written 3070 in the tens place").
        std::string message;
        std::optional<std::size_t> markedPlace; // the wrong diagonal or column, when there is one
        std::optional<SlipKind> slip;           // when wrong
    };

    Practice() = default;
    explicit Practice(const Reading& reading);

    [[nodiscard]] std::size_t steps() const { return questions_.size(); }
    [[nodiscard]] const StepQuestion& question(std::size_t step) const { return questions_.at(step); }
    [[nodiscard]] State state(std::size_t step) const { return track_.state(step); }
    // How many steps are answered; they are answered in order.
    [[nodiscard]] std::size_t answered() const { return track_.answered(); }
    // The first step not yet answered, or the last step when all are: the
    // learner may go back and forth up to it.
    [[nodiscard]] std::size_t reachable() const;
    [[nodiscard]] bool finished() const { return track_.finished(); }

    // Checks typed text as the answer to an open step. A refused answer
    // (no digits, or something else than digits and blanks) counts as no try.
    Attempt answer(std::size_t step, std::string_view typed);
    // Shows the answer of an open step; it then does not count as right.
    void reveal(std::size_t step) { track_.show(step); }

    // The questions answered so far: the tally, the slips.
    [[nodiscard]] const QuestionTrack& track() const { return track_; }
    // One line for the end, naming the product worked.
    [[nodiscard]] std::string summary() const;

private:
    std::vector<StepQuestion> questions_;
    QuestionTrack track_;
    std::string product_; // "307 × 12 = 3684", for the summary
};

} // namespace rods
