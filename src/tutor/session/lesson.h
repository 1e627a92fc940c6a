#pragma once

#include "tutor/division/division.h"
#include "tutor/division/division_practice.h"
#include "tutor/exercise/step_view.h"
#include "tutor/multiplication/practice.h"
#include "tutor/multiplication/working.h"
#include "tutor/problems/problem.h"
#include "tutor/progress/progress_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rods {

// One problem being worked in the tutor: a product read off the rods or a
// long division by them, watched step by step or worked by the learner, who
// answers each step before its working shows. It keeps everything the
// learner did (the step, what was typed, the hints, the marked place) and
// says what each step shows.
class Lesson {
public:
    Lesson() = default;
    // A product as the list has it, read off its rods.
    static Lesson ofProduct(const ProductRecord& record);
    // A problem typed or posed: a product, or a long division.
    static Lesson ofProblem(const Problem& problem);

    [[nodiscard]] std::string title() const; // "Working: 307 × 12"
    [[nodiscard]] const std::vector<int>& rods() const { return rods_; }
    // The adding step's columns, one line each; none where there is no such step.
    [[nodiscard]] std::vector<std::string> columnLines() const;
    // The whole long working, as wide and tall as it grows.
    [[nodiscard]] std::vector<std::string> fullWorking() const;
    // What the learner's sessions know a product by; empty for a division,
    // which is not kept.
    [[nodiscard]] std::string key() const;

    [[nodiscard]] int stepCount() const;
    [[nodiscard]] int step() const { return step_; }
    // The last step the learner may go to: all of them when watching.
    [[nodiscard]] int lastReachable() const;
    // Goes to a step within reach; false when it cannot.
    bool goTo(int step);

    // Working it oneself starts afresh at the first step; watching again
    // keeps the step.
    void setPractising(bool on);
    [[nodiscard]] bool practising() const;

    struct Outcome {
        enum class Kind { None, Refused, Wrong, Right };
        Kind kind = Kind::None;
        bool stepDone = false; // the step shown is answered to its end
        bool finished = false; // and so is the whole problem
    };
    // Checks typed text as the answer to the question open at the step shown.
    Outcome answer(std::string_view typed);
    // Shows the answer of the question open at the step shown.
    Outcome reveal();

    // Whether the learner has answered something and not finished: such a
    // product is taken up again where it was left.
    [[nodiscard]] bool workedInPart() const;
    [[nodiscard]] bool finished() const;
    // The learner's work as a progress record, without its time and source.
    [[nodiscard]] ProgressRecord record() const;

    [[nodiscard]] StepView view() const;
    // The whole working as plain text: the long working, then one line per
    // step; while the learner works it, only the steps done.
    [[nodiscard]] std::string text() const;

private:
    void startPractice();
    [[nodiscard]] std::string stepWords(int step) const;
    [[nodiscard]] std::optional<std::size_t> openQuestion() const;
    [[nodiscard]] std::string counter() const;
    [[nodiscard]] std::string answerName(const std::string& what) const;
    void productView(StepView& view) const;
    void divisionView(StepView& view) const;
    Outcome settle(std::size_t question, const std::string& verdict);

    std::vector<int> rods_;
    // A product: its record and reading (or why it has none).
    ProductRecord record_;
    Working working_;
    // A division: its problem and working (none when dividing by 0).
    std::optional<Problem> divisionProblem_;
    std::optional<Division> division_;

    bool practising_ = false;
    int step_ = 0;
    Practice practice_;
    DivisionPractice divisionPractice_;
    // Per question (a product's step, a division's question): what was typed
    // or shown, and the last hint or the verdict.
    std::vector<std::string> typed_;
    std::vector<std::string> verdicts_;
    std::optional<std::size_t> markedPlace_; // a product: the diagonal or column the last hint names
    std::optional<int> markedRow_;           // a division: the row the last hint speaks of
    std::string notice_;                     // said once, until the learner does something else
};

} // namespace rods
