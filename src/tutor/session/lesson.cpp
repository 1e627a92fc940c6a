#include "tutor/session/lesson.h"

#include "core/words.h"
#include "tutor/exercise/sentence.h"

namespace rods {
namespace {

// Blanks at the ends dropped and runs of blanks made one, as an answer is
// kept once it is right.
std::string simplified(std::string_view text)
{
    std::string result;
    bool blank = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            blank = !result.empty();
            continue;
        }
        if (blank)
            result += ' ';
        blank = false;
        result += c;
    }
    return result;
}

} // namespace

Lesson::Lesson(Exercise exercise)
    : exercise_(std::move(exercise))
{
    startPractice();
}

Lesson Lesson::ofProblem(const Problem& problem) { return Lesson(exerciseFor(problem)); }

std::string Lesson::title() const
{
    return std::visit([](const auto& exercise) { return exercise.title(); }, exercise_);
}

Expression Lesson::expression() const
{
    return std::visit([](const auto& exercise) { return exercise.expression(); }, exercise_);
}

const std::vector<int>& Lesson::rods() const
{
    return std::visit([](const auto& exercise) -> const std::vector<int>& { return exercise.rods(); }, exercise_);
}

std::vector<std::string> Lesson::columnLines() const
{
    return std::visit([](const auto& exercise) { return exercise.columnLines(); }, exercise_);
}

Figures Lesson::fullWorking() const
{
    return std::visit([](const auto& exercise) { return exercise.fullWorking(); }, exercise_);
}

std::string Lesson::key() const
{
    return std::visit([](const auto& exercise) { return exercise.key(); }, exercise_);
}

int Lesson::stepCount() const
{
    return std::visit([](const auto& exercise) { return exercise.stepCount(); }, exercise_);
}

const QuestionTrack& Lesson::track() const
{
    return std::visit([](const auto& exercise) -> const QuestionTrack& { return exercise.track(); }, exercise_);
}

int Lesson::stepOf(std::size_t question) const
{
    return std::visit([question](const auto& exercise) { return exercise.stepOf(question); }, exercise_);
}

bool Lesson::practising() const { return practising_ && stepCount() > 0; }

int Lesson::lastReachable() const
{
    if (!practising() || track().finished())
        return stepCount() - 1;
    // The steps up to the one whose question is being worked.
    return stepOf(track().answered());
}

bool Lesson::goTo(int step)
{
    if (stepCount() == 0 || step < 0 || step > lastReachable() || step == step_)
        return false;
    step_ = step;
    notice_.clear();
    settled_.clear();
    return true;
}

void Lesson::setPractising(bool on)
{
    if (on == practising_)
        return;
    practising_ = on;
    if (on) {
        startPractice();
        step_ = 0;
    }
    notice_.clear();
    settled_.clear();
}

void Lesson::startPractice()
{
    std::visit([](auto& exercise) { exercise.startPractice(); }, exercise_);
    typed_.assign(track().size(), std::string());
    verdicts_.assign(track().size(), std::string());
    mark_ = {};
    notice_.clear();
    settled_.clear();
}

std::optional<std::size_t> Lesson::openQuestion() const
{
    if (!practising() || track().finished())
        return std::nullopt;
    const std::size_t open = track().answered();
    if (stepOf(open) != step_)
        return std::nullopt;
    return open;
}

Lesson::Outcome Lesson::answer(std::string_view typed)
{
    const std::optional<std::size_t> open = openQuestion();
    if (!open)
        return {};
    ExerciseAttempt attempt = std::visit([&](auto& exercise) { return exercise.answer(*open, typed); }, exercise_);
    Outcome outcome;
    switch (attempt.outcome) {
    case AnswerOutcome::Refused:
        // Counts as no try: said, and nothing kept.
        notice_ = attempt.message;
        outcome.kind = Outcome::Kind::Refused;
        return outcome;
    case AnswerOutcome::Wrong:
        typed_[*open] = std::string(typed);
        verdicts_[*open] = attempt.message;
        mark_ = attempt.mark;
        notice_.clear();
        outcome.kind = Outcome::Kind::Wrong;
        return outcome;
    case AnswerOutcome::Right:
        break;
    }
    typed_[*open] = simplified(typed);
    const std::string right = translated("Verdict", "Right!");
    outcome = settle(*open, attempt.message.empty() ? right : right + " " + attempt.message);
    outcome.kind = Outcome::Kind::Right;
    return outcome;
}

Lesson::Outcome Lesson::reveal()
{
    const std::optional<std::size_t> open = openQuestion();
    if (!open)
        return {};
    typed_[*open] = std::visit([&](auto& exercise) { return exercise.reveal(*open); }, exercise_);
    const Expression asked = std::visit([&](const auto& exercise) { return exercise.asked(*open); }, exercise_);
    Outcome outcome = settle(*open, asked.answered(typed_[*open]));
    outcome.kind = Outcome::Kind::Right;
    return outcome;
}

Lesson::Outcome Lesson::settle(std::size_t question, const std::string& verdict)
{
    Outcome outcome;
    mark_ = {};
    notice_.clear();
    settled_.clear();
    outcome.finished = track().finished();
    outcome.stepDone = outcome.finished || stepOf(track().answered()) != stepOf(question);
    if (outcome.finished)
        verdicts_[question] =
            verdict + " " + std::visit([](const auto& exercise) { return exercise.closing(); }, exercise_);
    else if (outcome.stepDone) {
        // TRANSLATORS: %1 is the number of the next step.
        const std::string next = translated("Verdict", "Press Next for step %1.");
        verdicts_[question] = verdict + " " + sentence(next, {std::to_string(step_ + 2)});
    } else {
        // The step's next question is asked at once. The verdict goes before
        // its words, not under its box, which would give it to the wrong
        // question: "295 − 258 = [ ]" over "The answer is 6.".
        verdicts_[question] = verdict;
        settled_ = verdict;
    }
    return outcome;
}

bool Lesson::workedInPart() const { return stepCount() > 0 && track().answered() > 0 && !track().finished(); }

bool Lesson::finished() const { return track().finished(); }

ProgressRecord Lesson::record() const
{
    ProgressRecord record;
    if (stepCount() == 0)
        return record;
    record.problem = problemOf(exercise_);
    // The questions answered: all of them, unless the problem was left.
    record.steps = static_cast<int>(track().answered());
    record.rightFirst = static_cast<int>(track().rightFirst());
    record.shown = static_cast<int>(track().shown());
    for (SlipKind slip : track().slips())
        ++record.slips[static_cast<std::size_t>(slip)];
    return record;
}

StepView Lesson::viewOf(int step, bool practising, std::optional<std::size_t> open) const
{
    const AnswersSoFar answers{practising, open, typed_, verdicts_, mark_};
    StepView view = std::visit([&](const auto& exercise) { return exercise.view(step, answers); }, exercise_);
    if (view.hasSteps) {
        // TRANSLATORS: which step of the working is shown: %1 of all %2.
        const std::string counter = translated("Step", "Step %1 of %2");
        view.counter = sentence(counter, {std::to_string(step + 1), std::to_string(stepCount())});
        view.canGoBack = step > 0;
        view.canGoOn = step < (practising ? lastReachable() : stepCount() - 1);
    }
    return view;
}

StepView Lesson::view() const
{
    StepView view = viewOf(step_, practising(), openQuestion());
    if (view.answer && !notice_.empty())
        view.answer->hint = notice_;
    if (view.answer && view.answer->open && !settled_.empty())
        view.words = sentence("%1 %2", {settled_, view.words});
    return view;
}

std::vector<StepView> Lesson::wholeWorking() const
{
    std::vector<StepView> steps;
    for (int step = 0; step < stepCount(); ++step)
        steps.push_back(viewOf(step, false, std::nullopt));
    if (steps.empty())
        steps.push_back(viewOf(0, false, std::nullopt));
    return steps;
}

std::string Lesson::text() const
{
    if (stepCount() == 0)
        return view().words + "\n";
    return std::visit([this](const auto& exercise) { return exercise.text(practising()); }, exercise_);
}

} // namespace rods
