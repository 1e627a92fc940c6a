#pragma once

#include "tutor/exercise/exercise_parts.h"
#include "tutor/exercise/step_view.h"
#include "tutor/multiplication/practice.h"
#include "tutor/multiplication/working.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rods {

// A product read off the rods, one step per multiplicand digit from the units
// up, then the step that adds the rows (where two or more are not 0). Each
// step is one question: the row's partial product, or the sum. A product
// with no reading (no rods, a multiplicand that is not a whole number up to
// fifteen digits) has no steps, only the words why.
class MultiplicationExercise {
public:
    // No rods: no steps.
    MultiplicationExercise()
        : MultiplicationExercise(ProductRecord{})
    {
    }
    explicit MultiplicationExercise(const ProductRecord& record);

    [[nodiscard]] std::string title() const { return workingTitle(record_); }  // "Working: 307 × 12"
    [[nodiscard]] Expression expression() const { return factorsOf(record_); } // 307 × 12
    [[nodiscard]] const std::vector<int>& rods() const { return record_.rods; }
    [[nodiscard]] std::uint64_t number() const; // the multiplicand
    // What the learner's sessions know a product by.
    [[nodiscard]] std::string key() const;
    [[nodiscard]] int stepCount() const;
    [[nodiscard]] std::string whyNoSteps() const;

    void startPractice();
    [[nodiscard]] const QuestionTrack& track() const { return practice_.track(); }
    // The step a question is asked at: a product asks one per step.
    [[nodiscard]] int stepOf(std::size_t question) const { return static_cast<int>(question); }
    ExerciseAttempt answer(std::size_t question, std::string_view typed);
    // What a question asks: 307 × 2, 307 × 12.
    [[nodiscard]] const Expression& asked(std::size_t question) const { return practice_.question(question).asked; }
    // Shows the answer of a question, and gives it.
    std::string reveal(std::size_t question);
    // Said when the last question is settled.
    [[nodiscard]] std::string closing() const { return practice_.summary(); }

    [[nodiscard]] StepView view(int step, const AnswersSoFar& answers) const;
    [[nodiscard]] Figures fullWorking() const;
    [[nodiscard]] std::vector<std::string> columnLines() const;
    // The working as plain text: the long multiplication, then a line per
    // step; while the learner works it, only the steps answered.
    [[nodiscard]] std::string text(bool practising) const;

private:
    ProductRecord record_;
    Working working_;
    Practice practice_;
};

} // namespace rods
