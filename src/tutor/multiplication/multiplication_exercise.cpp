#include "tutor/multiplication/multiplication_exercise.h"

#include "core/words.h"
#include "tutor/exercise/sentence.h"
#include "tutor/multiplication/reading_words.h"

namespace rods {

MultiplicationExercise::MultiplicationExercise(const ProductRecord& record)
    : record_(record)
    , working_(workOut(record))
{
    startPractice();
}

std::uint64_t MultiplicationExercise::number() const
{
    return working_.reading ? std::stoull(working_.reading->multiplicand) : 0;
}

std::string MultiplicationExercise::key() const { return working_.reading ? productSentence(record_) : std::string(); }

int MultiplicationExercise::stepCount() const
{
    return working_.reading ? static_cast<int>(working_.reading->steps()) : 0;
}

std::string MultiplicationExercise::whyNoSteps() const { return productSentence(record_) + "\n" + working_.whyNot; }

void MultiplicationExercise::startPractice()
{
    practice_ = working_.reading ? Practice(*working_.reading) : Practice();
}

ExerciseAttempt MultiplicationExercise::answer(std::size_t question, std::string_view typed)
{
    Practice::Attempt attempt = practice_.answer(question, typed);
    return {attempt.outcome, std::move(attempt.message), {attempt.markedPlace, std::nullopt}};
}

std::string MultiplicationExercise::reveal(std::size_t question)
{
    practice_.reveal(question);
    return practice_.question(question).answer;
}

StepView MultiplicationExercise::view(int step, const AnswersSoFar& answers) const
{
    StepView view;
    view.practising = answers.practising;
    if (!working_.reading) {
        view.words = whyNoSteps();
        return view;
    }
    view.hasSteps = true;
    const Reading& reading = *working_.reading;
    const auto index = static_cast<std::size_t>(step);
    // An open step keeps its answer hidden: the diagonals' digits, its row in
    // the long multiplication and the total.
    const bool open = answers.open.has_value();
    const bool isRow = index < reading.rows.size();
    view.showColumns = !isRow && !open;
    if (isRow)
        view.litRow = reading.rows[index];
    view.digitsHidden = open;
    if (open && isRow)
        view.markedDiagonal = answers.mark.place;
    view.words = open ? practice_.question(index).task : stepInWords(reading, index, record_.listed);
    // The total stands under the rows only at the last step, once it is done.
    const Total total = step == stepCount() - 1 && !open ? Total::Shown : Total::Hidden;
    view.longWorking = longMultiplication(reading, open ? index : index + 1, total);
    // The column a hint points at stands out in the rows, as a diagonal does
    // in the picture.
    if (open && !isRow)
        view.markedColumn = answers.mark.place;
    if (!view.practising)
        return view;
    const StepQuestion& question = practice_.question(index);
    // TRANSLATORS: what a screen reader calls the answer box: %1 is the
    // step's number, %2 how many steps there are, %3 the question ("307 × 2").
    const std::string row = translated("Answer", "Answer for step %1 of %2: %3");
    // TRANSLATORS: what a screen reader calls the answer box of the last
    // step, which adds the rows: %1 is its number, %2 how many steps there
    // are, %3 the question ("307 × 12").
    const std::string sum = translated("Answer", "Answer for step %1 of %2: %3, the sum of the rows");
    const std::string name = sentence(question.kind == PlaceKind::Column ? sum : row,
                                      {std::to_string(step + 1), std::to_string(stepCount()), question.asked.text()});
    view.answer = AnswerView{question.asked, name, answers.typed[index], answers.verdicts[index], open};
    view.tally = practice_.track().tally();
    return view;
}

Figures MultiplicationExercise::fullWorking() const
{
    return working_.reading ? longMultiplication(*working_.reading, SIZE_MAX) : Figures();
}

std::vector<std::string> MultiplicationExercise::columnLines() const
{
    return working_.reading && working_.reading->hasSumStep() ? rods::columnLines(*working_.reading)
                                                              : std::vector<std::string>();
}

std::string MultiplicationExercise::text(bool practising) const
{
    const int revealed = practising ? static_cast<int>(practice_.answered()) : stepCount();
    const Total total = revealed == stepCount() ? Total::Shown : Total::Hidden;
    std::string text;
    for (const std::string& line :
         longMultiplication(*working_.reading, static_cast<std::size_t>(revealed), total).text())
        text += line + "\n";
    text += "\n";
    for (int step = 0; step < revealed; ++step) {
        text +=
            stepLine(step, stepCount(), stepInWords(*working_.reading, static_cast<std::size_t>(step), record_.listed))
            + "\n";
        if (step == static_cast<int>(working_.reading->rows.size()))
            for (const std::string& line : rods::columnLines(*working_.reading))
                text += "  " + line + "\n";
    }
    return text;
}

} // namespace rods
