#pragma once

#include "tutor/exercise/slips.h"
#include "tutor/multiplication/answer_hints.h"
#include "tutor/multiplication/reading.h"

#include <optional>
#include <string>
#include <vector>

namespace rods {

// What the learner answers in one step of a working: a row's partial product,
// or at the last step the sum of the rows.
struct StepQuestion {
    std::string whole;  // what the answer is: "307 × 2", "307 × 12"
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
    enum class State { Open, Right, Shown };
    struct Attempt {
        enum class Outcome { Refused, Wrong, Right };
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
    [[nodiscard]] State state(std::size_t step) const { return states_.at(step); }
    // How many steps are answered; they are answered in order.
    [[nodiscard]] std::size_t answered() const;
    // The first step not yet answered, or the last step when all are: the
    // learner may go back and forth up to it.
    [[nodiscard]] std::size_t reachable() const;
    [[nodiscard]] bool finished() const;

    // Checks typed text as the answer to an open step. A refused answer
    // (no digits, or something else than digits and blanks) counts as no try.
    Attempt answer(std::size_t step, std::string_view typed);
    // Shows the answer of an open step; it then does not count as right.
    void reveal(std::size_t step);

    // "Right at the first try: 2 of 3".
    [[nodiscard]] std::string tally() const;
    [[nodiscard]] std::size_t rightFirst() const;
    [[nodiscard]] std::size_t shown() const;
    // Every slip made so far, in the order made.
    [[nodiscard]] const std::vector<SlipKind>& slips() const { return slips_; }
    // One line for the end, naming the product worked.
    [[nodiscard]] std::string summary() const;

private:
    std::vector<StepQuestion> questions_;
    std::vector<State> states_;
    std::vector<bool> missed_; // a wrong try was made at this step
    std::vector<SlipKind> slips_;
    std::string product_; // "307 × 12 = 3684", for the summary
};

// Shared by the practices of every kind of problem: the digits of an answer
// typed for a question in the given state, or why there is nothing to check
// (the question is done, or the text is no number), which counts as no try.
[[nodiscard]] TypedAnswer readOpenAnswer(Practice::State state, std::string_view typed);
// How many questions were answered right with no wrong try before.
[[nodiscard]] std::size_t rightAtFirstTry(const std::vector<Practice::State>& states, const std::vector<bool>& missed);
[[nodiscard]] std::size_t shownOf(const std::vector<Practice::State>& states);
// "Right at the first try: 2 of 3".
[[nodiscard]] std::string tallyOf(const std::vector<Practice::State>& states, const std::vector<bool>& missed);

} // namespace rods
