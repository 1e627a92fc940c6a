#include "tutor/division/division_exercise.h"

#include "core/board_state.h"
#include "core/words.h"
#include "tutor/division/division_words.h"
#include "tutor/exercise/sentence.h"

#include <algorithm>

namespace rods {

DivisionExercise::DivisionExercise(const std::vector<int>& rods, std::uint64_t dividend)
    : rods_(rods)
    , dividend_(dividend)
{
    BoardState board;
    for (int digit : rods)
        board.placeRod(digit);
    division_ = divideOnRods(board, dividend);
    startPractice();
}

Expression DivisionExercise::expression() const
{
    return {std::to_string(dividend_), std::string(DividedBy), rodDigits(rods_)};
}

std::string DivisionExercise::title() const
{
    // TRANSLATORS: the title over the working: %1 is the problem ("3684 ÷ 12").
    return sentence(translated("Title", "Working: %1"), {expression().text()});
}

int DivisionExercise::stepCount() const
{
    // Its multiples, a step per quotient digit, and the result.
    return division_ ? static_cast<int>(division_->steps.size()) + 2 : 0;
}

std::string DivisionExercise::whyNoSteps() const
{
    // TRANSLATORS: %1 is the problem ("3684 ÷ 0"), %2 the dividend.
    return sentence(translated("Step", "%1: dividing by 0 has no answer. The rods make 0, and every row of them is 0, "
                                       "so no row comes near %2."),
                    {expression().text(), std::to_string(dividend_)});
}

void DivisionExercise::startPractice() { practice_ = division_ ? DivisionPractice(*division_) : DivisionPractice(); }

ExerciseAttempt DivisionExercise::answer(std::size_t question, std::string_view typed)
{
    DivisionPractice::Attempt attempt = practice_.answer(question, typed);
    return {attempt.outcome, std::move(attempt.message), {std::nullopt, attempt.markedRow}};
}

std::string DivisionExercise::reveal(std::size_t question)
{
    practice_.reveal(question);
    return practice_.question(question).answer;
}

std::string DivisionExercise::closing() const
{
    return practice_.summary() + " " + translated("Summary", "Press Next for the result.");
}

std::string DivisionExercise::stepWords(int step) const
{
    const auto index = static_cast<std::size_t>(step);
    if (index == 0)
        return multiplesInWords(*division_);
    if (index <= division_->steps.size())
        return quotientStepInWords(*division_, index - 1);
    return divisionResultInWords(*division_);
}

std::string DivisionExercise::answerName(int step, const Expression& asked) const
{
    // TRANSLATORS: the answer box's name for a screen reader: %1 and %2 count
    // the steps, %3 is the question ("3684 − 3600").
    const std::string name = translated("Answer", "Answer for step %1 of %2: %3");
    return sentence(name, {std::to_string(step + 1), std::to_string(stepCount()),
                           asked.timesInto ? asked.question() : asked.text()});
}

StepView DivisionExercise::view(int step, const AnswersSoFar& answers) const
{
    StepView view;
    view.practising = answers.practising;
    if (!division_) {
        view.words = whyNoSteps();
        return view;
    }
    view.hasSteps = true;
    const auto index = static_cast<std::size_t>(step);
    const std::size_t quotientSteps = division_->steps.size();
    // The multiples, then a quotient digit each step, then the result.
    const DivisionStep* digit = index >= 1 && index <= quotientSteps ? &division_->steps[index - 1] : nullptr;
    std::size_t shown = index == 0 ? 0 : std::min(index, quotientSteps);
    bool digitFound = false; // the step's quotient digit, found, stands over the dividend at once
    auto rowOf = [this](int row) { return division_->readings.at(static_cast<std::size_t>(row)); };
    if (answers.open) {
        // The step being worked keeps its answers hidden; the row a hint
        // speaks of is lit, or once the digit is found, the row it names.
        const DivisionQuestion& question = practice_.question(*answers.open);
        const bool left = question.kind == DivisionQuestion::Kind::Left;
        const std::optional<int> lit = left ? std::optional<int>(digit->row) : answers.mark.row;
        if (lit)
            view.litRow = rowOf(*lit);
        view.digitsHidden = !left;
        view.words = question.task;
        shown = index - 1;
        digitFound = left;
        view.answer = AnswerView{question.asked, answerName(step, question.asked), answers.typed[*answers.open],
                                 answers.verdicts[*answers.open], true};
    } else {
        if (digit != nullptr && digit->row > 0)
            view.litRow = rowOf(digit->row);
        view.words = stepWords(step);
        // The step's last answer and its verdict, where it had one.
        std::optional<std::size_t> last;
        for (std::size_t q = 0; view.practising && q < practice_.questions(); ++q)
            if (digit != nullptr && practice_.question(q).step + 1 == index
                && practice_.state(q) != QuestionState::Open)
                last = q;
        if (last) {
            const Expression& asked = practice_.question(*last).asked;
            view.answer =
                AnswerView{asked, answerName(step, asked), answers.typed[*last], answers.verdicts[*last], false};
        }
    }
    if (view.practising)
        view.tally = practice_.track().tally();
    view.longWorking = longDivision(*division_, shown, digitFound);
    return view;
}

Figures DivisionExercise::fullWorking() const
{
    return division_ ? longDivision(*division_, division_->steps.size()) : Figures();
}

std::string DivisionExercise::text(bool practising) const
{
    // While the learner works it, only the steps done.
    const int done = practising && !practice_.finished() ? stepOf(practice_.answered()) : stepCount();
    const auto worked = static_cast<std::size_t>(std::max(0, std::min(done, stepCount()) - 1));
    std::string text;
    for (const std::string& line : longDivision(*division_, std::min(worked, division_->steps.size())).text())
        text += line + "\n";
    text += "\n";
    for (int step = 0; step < done; ++step)
        text += stepLine(step, stepCount(), stepWords(step)) + "\n";
    return text;
}

} // namespace rods
