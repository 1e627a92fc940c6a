#pragma once

#include "tutor/exercise/exercise_parts.h"
#include "tutor/exercise/step_view.h"
#include "tutor/progress/progress_record.h"
#include "tutor/session/exercise.h"

#include <string>
#include <string_view>
#include <vector>

namespace rods {

// One problem being worked in the tutor, whatever its operation: watched step
// by step, or worked by the learner, who answers each question before its
// step's working shows. It keeps everything the learner did (the step, what
// was typed, the verdicts, what the last hint points at, a notice said once)
// and asks its exercise what each step shows.
class Lesson {
public:
    Lesson() = default;
    explicit Lesson(Exercise exercise);
    // A problem typed or posed, whatever its operation.
    static Lesson ofProblem(const Problem& problem);

    [[nodiscard]] std::string title() const; // "Working: 307 × 12"
    // The problem as two numbers and a sign: 307 × 12, 3684 ÷ 12.
    [[nodiscard]] Expression expression() const;
    [[nodiscard]] const std::vector<int>& rods() const;
    // The adding step's columns, one line each; none where there is no such step.
    [[nodiscard]] std::vector<std::string> columnLines() const;
    // The whole long working, as wide and tall as it grows.
    [[nodiscard]] Figures fullWorking() const;
    // What the learner's sessions know a problem by while it is worked in
    // part; empty for one that is not kept.
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
    // problem, where it has a key, is taken up again where it was left.
    [[nodiscard]] bool workedInPart() const;
    [[nodiscard]] bool finished() const;
    // The learner's work as a progress record, without its time and source.
    [[nodiscard]] ProgressRecord record() const;

    [[nodiscard]] StepView view() const;
    // Every step as it shows when watched, whatever the learner has done:
    // the whole working, for paper.
    [[nodiscard]] std::vector<StepView> wholeWorking() const;
    // The whole working as plain text: the long working, then one line per
    // step; while the learner works it, only the steps done.
    [[nodiscard]] std::string text() const;

private:
    void startPractice();
    [[nodiscard]] const QuestionTrack& track() const;
    [[nodiscard]] int stepOf(std::size_t question) const;
    [[nodiscard]] std::optional<std::size_t> openQuestion() const;
    [[nodiscard]] StepView viewOf(int step, bool practising, std::optional<std::size_t> open) const;
    Outcome settle(std::size_t question, const std::string& verdict);

    Exercise exercise_; // with no problem, as the window opens: no steps
    bool practising_ = false;
    int step_ = 0;
    // Per question: what was typed or shown, and the last hint or the verdict.
    std::vector<std::string> typed_;
    std::vector<std::string> verdicts_;
    HintMark mark_;      // what the last hint points at
    std::string notice_; // said once, until the learner does something else
    // The verdict of the question just settled, said before the words of the
    // step's next question until the learner goes to another step.
    std::string settled_;
};

} // namespace rods
