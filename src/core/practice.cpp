#include "core/practice.h"

#include "core/reading_words.h"

#include <algorithm>

namespace rods {

StepQuestion questionFor(const Reading& reading, std::size_t step)
{
    const std::string times = timesOf(reading);
    StepQuestion question;
    if (step < reading.rows.size()) {
        const RowReading& row = reading.rows[step];
        question.whole = times + std::to_string(row.digit);
        question.answer = row.partial;
        question.places = placesOf(row);
        question.kind = PlaceKind::Diagonal;
        question.task = rowTask(reading, step);
    } else {
        question.whole = times + reading.multiplicand;
        question.answer = reading.product;
        question.places = placesOf(reading.columns);
        question.kind = PlaceKind::Column;
        question.task = sumTask(reading);
    }
    return question;
}

Practice::Practice(const Reading& reading)
{
    for (std::size_t step = 0; step <= reading.rows.size(); ++step)
        questions_.push_back(questionFor(reading, step));
    states_.assign(questions_.size(), State::Open);
    missed_.assign(questions_.size(), false);
}

std::size_t Practice::answered() const
{
    return static_cast<std::size_t>(std::find(states_.begin(), states_.end(), State::Open) - states_.begin());
}

std::size_t Practice::reachable() const { return std::min(answered(), steps() == 0 ? 0 : steps() - 1); }

bool Practice::finished() const { return answered() == steps(); }

Practice::Attempt Practice::answer(std::size_t step, std::string_view typed)
{
    Attempt attempt;
    if (step >= steps() || states_[step] != State::Open) {
        attempt.message = "This step is done already.";
        return attempt;
    }
    const TypedAnswer read = readAnswer(typed);
    if (!read.digits) {
        attempt.message = read.refusal;
        return attempt;
    }
    const StepQuestion& question = questions_[step];
    const AnswerCheck check = checkAnswer(question.answer, question.places, *read.digits);
    if (check.right()) {
        states_[step] = State::Right;
        attempt.outcome = Attempt::Outcome::Right;
        return attempt;
    }
    missed_[step] = true;
    attempt.outcome = Attempt::Outcome::Wrong;
    attempt.message = hintInWords(check, question.places, question.kind, question.whole);
    if (check.place < question.places.size())
        attempt.markedPlace = check.place;
    return attempt;
}

void Practice::reveal(std::size_t step)
{
    if (step < steps() && states_[step] == State::Open)
        states_[step] = State::Shown;
}

namespace {

std::size_t rightAtFirstTry(const std::vector<Practice::State>& states, const std::vector<bool>& missed)
{
    std::size_t count = 0;
    for (std::size_t step = 0; step < states.size(); ++step)
        if (states[step] == Practice::State::Right && !missed[step])
            ++count;
    return count;
}

} // namespace

std::string Practice::tally() const
{
    return "Right at the first try: " + std::to_string(rightAtFirstTry(states_, missed_)) + " of "
           + std::to_string(steps());
}

std::string Practice::summary() const
{
    if (steps() == 0)
        return {};
    const StepQuestion& last = questions_.back();
    const std::size_t right = rightAtFirstTry(states_, missed_);
    const std::string product = last.whole + " = " + last.answer;
    if (right == steps())
        return "Well done! " + product + ", and all " + std::to_string(steps()) + " steps were right at the first try.";
    return "Finished: " + product + ". Right at the first try: " + std::to_string(right) + " of "
           + std::to_string(steps()) + " steps.";
}

} // namespace rods
