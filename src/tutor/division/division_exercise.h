#pragma once

#include "tutor/division/division.h"
#include "tutor/division/division_practice.h"
#include "tutor/exercise/exercise_parts.h"
#include "tutor/exercise/step_view.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rods {

// A long division by the rods' number: a first step with the divisor's
// multiples, a step per quotient digit, and the result. A quotient digit's
// step asks how many times the divisor goes into the part and, where it goes
// in at least once, what is left. Dividing by 0 has no steps, only the words
// why.
class DivisionExercise {
public:
    DivisionExercise(const std::vector<int>& rods, std::uint64_t dividend);

    [[nodiscard]] std::string title() const;     // "Working: 3684 ÷ 12"
    [[nodiscard]] Expression expression() const; // 3684 ÷ 12, the rods as they stand
    [[nodiscard]] const std::vector<int>& rods() const { return rods_; }
    [[nodiscard]] std::uint64_t number() const { return dividend_; }
    // Divisions are not kept worked in part.
    [[nodiscard]] std::string key() const { return {}; }
    [[nodiscard]] int stepCount() const;
    [[nodiscard]] std::string whyNoSteps() const;

    void startPractice();
    [[nodiscard]] const QuestionTrack& track() const { return practice_.track(); }
    // The multiples come first, so quotient digit k is step k + 1.
    [[nodiscard]] int stepOf(std::size_t question) const
    {
        return static_cast<int>(practice_.question(question).step) + 1;
    }
    ExerciseAttempt answer(std::size_t question, std::string_view typed);
    // What a question asks: how many times 12 goes into 36, 36 − 36.
    [[nodiscard]] const Expression& asked(std::size_t question) const { return practice_.question(question).asked; }
    std::string reveal(std::size_t question);
    [[nodiscard]] std::string closing() const;

    [[nodiscard]] StepView view(int step, const AnswersSoFar& answers) const;
    [[nodiscard]] Figures fullWorking() const;
    [[nodiscard]] std::vector<std::string> columnLines() const { return {}; }
    // The working as plain text: the long division, then a line per step;
    // while the learner works it, only the steps done.
    [[nodiscard]] std::string text(bool practising) const;

private:
    [[nodiscard]] std::string stepWords(int step) const;
    [[nodiscard]] std::string answerName(int step, const Expression& asked) const;

    std::vector<int> rods_;
    std::uint64_t dividend_ = 0;
    std::optional<Division> division_; // none when dividing by 0
    DivisionPractice practice_;
};

} // namespace rods
