#include "tutor/session/lesson.h"

#include "core/board_state.h"
#include "tutor/division/division_words.h"
#include "tutor/exercise/sentence.h"
#include "tutor/multiplication/reading_words.h"

#include <algorithm>

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

Lesson Lesson::ofProduct(const ProductRecord& record)
{
    Lesson lesson;
    lesson.rods_ = record.rods;
    lesson.record_ = record;
    lesson.working_ = workOut(record);
    lesson.startPractice();
    return lesson;
}

Lesson Lesson::ofProblem(const Problem& problem)
{
    if (problem.operation == Operation::Multiply) // in no list: the words compare it with none
        return ofProduct({problem.rods, static_cast<double>(problem.number), std::string()});
    Lesson lesson;
    lesson.rods_ = problem.rods;
    lesson.divisionProblem_ = problem;
    BoardState board;
    for (int digit : problem.rods)
        board.placeRod(digit);
    lesson.division_ = divideOnRods(board, problem.number);
    lesson.startPractice();
    return lesson;
}

std::string Lesson::title() const
{
    return divisionProblem_ ? "Working: " + problemText(*divisionProblem_) : workingTitle(record_);
}

std::vector<std::string> Lesson::columnLines() const
{
    return working_.reading && working_.reading->hasSumStep() ? rods::columnLines(*working_.reading)
                                                              : std::vector<std::string>();
}

std::vector<std::string> Lesson::fullWorking() const
{
    if (working_.reading)
        return longMultiplication(*working_.reading, SIZE_MAX);
    if (division_)
        return longDivision(*division_, division_->steps.size());
    return {};
}

std::string Lesson::key() const { return working_.reading ? productSentence(record_) : std::string(); }

int Lesson::stepCount() const
{
    // A division: its multiples, a step per quotient digit, and the result.
    if (division_)
        return static_cast<int>(division_->steps.size()) + 2;
    return working_.reading ? static_cast<int>(working_.reading->steps()) : 0;
}

bool Lesson::practising() const { return practising_ && (working_.reading || division_); }

int Lesson::lastReachable() const
{
    if (!practising())
        return stepCount() - 1;
    if (!division_)
        return static_cast<int>(practice_.reachable());
    // The multiples, and the quotient digits up to the one being worked.
    if (divisionPractice_.finished())
        return stepCount() - 1;
    return static_cast<int>(divisionPractice_.question(divisionPractice_.answered()).step) + 1;
}

bool Lesson::goTo(int step)
{
    if (stepCount() == 0 || step < 0 || step > lastReachable() || step == step_)
        return false;
    step_ = step;
    notice_.clear();
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
}

void Lesson::startPractice()
{
    practice_ = working_.reading ? Practice(*working_.reading) : Practice();
    divisionPractice_ = division_ ? DivisionPractice(*division_) : DivisionPractice();
    const std::size_t questions = division_ ? divisionPractice_.questions() : practice_.steps();
    typed_.assign(questions, std::string());
    verdicts_.assign(questions, std::string());
    markedPlace_.reset();
    markedRow_.reset();
    notice_.clear();
}

std::optional<std::size_t> Lesson::openQuestion() const
{
    if (!practising())
        return std::nullopt;
    if (!division_) {
        const auto step = static_cast<std::size_t>(step_);
        return practice_.state(step) == Practice::State::Open ? std::optional<std::size_t>(step) : std::nullopt;
    }
    if (divisionPractice_.finished())
        return std::nullopt;
    const std::size_t open = divisionPractice_.answered();
    if (static_cast<int>(divisionPractice_.question(open).step) + 1 != step_)
        return std::nullopt;
    return open;
}

Lesson::Outcome Lesson::answer(std::string_view typed)
{
    const std::optional<std::size_t> open = openQuestion();
    if (!open)
        return {};
    Outcome outcome;
    std::string message;
    Practice::Attempt::Outcome result = Practice::Attempt::Outcome::Refused;
    if (division_) {
        DivisionPractice::Attempt attempt = divisionPractice_.answer(*open, typed);
        result = attempt.outcome;
        message = std::move(attempt.message);
        if (result == Practice::Attempt::Outcome::Wrong)
            markedRow_ = attempt.markedRow;
    } else {
        Practice::Attempt attempt = practice_.answer(*open, typed);
        result = attempt.outcome;
        message = std::move(attempt.message);
        if (result == Practice::Attempt::Outcome::Wrong)
            markedPlace_ = attempt.markedPlace;
    }
    switch (result) {
    case Practice::Attempt::Outcome::Refused:
        // Counts as no try: said, and nothing kept.
        notice_ = message;
        outcome.kind = Outcome::Kind::Refused;
        return outcome;
    case Practice::Attempt::Outcome::Wrong:
        typed_[*open] = std::string(typed);
        verdicts_[*open] = message;
        notice_.clear();
        outcome.kind = Outcome::Kind::Wrong;
        return outcome;
    case Practice::Attempt::Outcome::Right:
        break;
    }
    typed_[*open] = simplified(typed);
    outcome = settle(*open, message.empty() ? std::string("Right!") : "Right! " + message);
    outcome.kind = Outcome::Kind::Right;
    return outcome;
}

Lesson::Outcome Lesson::reveal()
{
    const std::optional<std::size_t> open = openQuestion();
    if (!open)
        return {};
    if (division_) {
        divisionPractice_.reveal(*open);
        typed_[*open] = divisionPractice_.question(*open).answer;
    } else {
        practice_.reveal(*open);
        typed_[*open] = practice_.question(*open).answer;
    }
    Outcome outcome = settle(*open, sentence("The answer is %1.", {typed_[*open]}));
    outcome.kind = Outcome::Kind::Right;
    return outcome;
}

Lesson::Outcome Lesson::settle(std::size_t question, const std::string& verdict)
{
    Outcome outcome;
    markedPlace_.reset();
    markedRow_.reset();
    notice_.clear();
    const std::string nextStep = sentence("Press Next for step %1.", {std::to_string(step_ + 2)});
    if (!division_) {
        outcome.stepDone = true;
        outcome.finished = practice_.finished();
        verdicts_[question] = verdict + " " + (outcome.finished ? practice_.summary() : nextStep);
        return outcome;
    }
    outcome.finished = divisionPractice_.finished();
    outcome.stepDone =
        outcome.finished
        || divisionPractice_.question(divisionPractice_.answered()).step != divisionPractice_.question(question).step;
    if (outcome.finished)
        verdicts_[question] = verdict + " " + divisionPractice_.summary() + " Press Next for the result.";
    else if (outcome.stepDone)
        verdicts_[question] = verdict + " " + nextStep;
    else {
        // The step's second question is asked at once, under the verdict.
        verdicts_[question] = verdict;
        notice_ = verdict;
    }
    return outcome;
}

bool Lesson::workedInPart() const
{
    if (division_)
        return divisionPractice_.answered() > 0 && !divisionPractice_.finished();
    return working_.reading && practice_.answered() > 0 && !practice_.finished();
}

bool Lesson::finished() const { return division_ ? divisionPractice_.finished() : practice_.finished(); }

ProgressRecord Lesson::record() const
{
    ProgressRecord record;
    auto count = [&record](const std::vector<SlipKind>& slips) {
        for (SlipKind slip : slips)
            ++record.slips[static_cast<std::size_t>(slip)];
    };
    if (divisionProblem_) {
        record.problem = *divisionProblem_;
        record.steps = static_cast<int>(divisionPractice_.questions());
        record.rightFirst = static_cast<int>(divisionPractice_.rightFirst());
        record.shown = static_cast<int>(divisionPractice_.shown());
        count(divisionPractice_.slips());
    } else if (working_.reading) {
        record.problem.rods = record_.rods;
        record.problem.number = std::stoull(working_.reading->multiplicand);
        record.steps = static_cast<int>(practice_.steps());
        record.rightFirst = static_cast<int>(practice_.rightFirst());
        record.shown = static_cast<int>(practice_.shown());
        count(practice_.slips());
    }
    return record;
}

std::string Lesson::counter() const
{
    return sentence("Step %1 of %2", {std::to_string(step_ + 1), std::to_string(stepCount())});
}

std::string Lesson::answerName(const std::string& what) const
{
    return sentence("Answer for step %1 of %2: %3", {std::to_string(step_ + 1), std::to_string(stepCount()), what});
}

std::string Lesson::stepWords(int step) const
{
    const auto index = static_cast<std::size_t>(step);
    if (!division_)
        return stepInWords(*working_.reading, index, record_.listed);
    if (index == 0)
        return multiplesInWords(*division_);
    if (index <= division_->steps.size())
        return quotientStepInWords(*division_, index - 1);
    return divisionResultInWords(*division_);
}

StepView Lesson::view() const
{
    StepView view;
    view.practising = practising();
    if (divisionProblem_)
        divisionView(view);
    else
        productView(view);
    if (view.hasSteps) {
        view.counter = counter();
        view.canGoBack = step_ > 0;
        view.canGoOn = step_ < lastReachable();
    }
    if (view.answer && !notice_.empty())
        view.answer->hint = notice_;
    return view;
}

void Lesson::productView(StepView& view) const
{
    if (!working_.reading) {
        view.words = productSentence(record_) + "\n" + working_.whyNot;
        return;
    }
    view.hasSteps = true;
    const Reading& reading = *working_.reading;
    const auto index = static_cast<std::size_t>(step_);
    // An open step keeps its answer hidden: the diagonals' digits, its row in
    // the long multiplication and the total.
    const bool open = openQuestion().has_value();
    const bool isRow = index < reading.rows.size();
    view.showColumns = !isRow && !open;
    if (isRow)
        view.litRow = reading.rows[index];
    view.digitsHidden = open;
    if (open && isRow)
        view.markedDiagonal = markedPlace_;
    view.words = open ? practice_.question(index).task : stepWords(step_);
    // The total stands under the rows only at the last step, once it is done.
    const Total total = step_ == stepCount() - 1 && !open ? Total::Shown : Total::Hidden;
    view.longWorking = longMultiplication(reading, open ? index : index + 1, total);
    // The column a hint points at stands out in the rows, as a diagonal does
    // in the picture: the lines under the first rule that are not rules.
    if (open && !isRow)
        view.markedColumn = markedPlace_;
    for (std::size_t line = 3; line < view.longWorking.size(); ++line)
        if (view.longWorking[line].find('-') == std::string::npos)
            view.rowLines.push_back(static_cast<int>(line));
    if (!view.practising)
        return;
    const StepQuestion& question = practice_.question(index);
    std::string name = answerName(question.whole);
    if (question.kind == PlaceKind::Column)
        name += ", the sum of the rows";
    view.answer = AnswerView{question.whole + " =", name, typed_[index], verdicts_[index], open};
    view.tally = practice_.tally();
}

void Lesson::divisionView(StepView& view) const
{
    if (!division_) {
        view.words = sentence("%1: dividing by 0 has no answer. The rods make 0, and every row of them is 0, so no "
                              "row comes near %2.",
                              {problemText(*divisionProblem_), std::to_string(divisionProblem_->number)});
        return;
    }
    view.hasSteps = true;
    const auto index = static_cast<std::size_t>(step_);
    const std::size_t quotientSteps = division_->steps.size();
    // The multiples, then a quotient digit each step, then the result.
    const DivisionStep* digit = index >= 1 && index <= quotientSteps ? &division_->steps[index - 1] : nullptr;
    std::size_t shown = index == 0 ? 0 : std::min(index, quotientSteps);
    auto rowOf = [this](int row) { return division_->readings.at(static_cast<std::size_t>(row)); };
    if (const std::optional<std::size_t> open = openQuestion()) {
        // The step being worked keeps its answers hidden; the row a hint
        // speaks of is lit, or once the digit is found, the row it names.
        const DivisionQuestion& question = divisionPractice_.question(*open);
        const bool left = question.kind == DivisionQuestion::Kind::Left;
        const std::optional<int> lit = left ? std::optional<int>(digit->row) : markedRow_;
        if (lit)
            view.litRow = rowOf(*lit);
        view.digitsHidden = !left;
        view.words = question.task;
        shown = index - 1;
        view.answer = AnswerView{question.box, answerName(question.box.substr(0, question.box.size() - 2)),
                                 typed_[*open], verdicts_[*open], true};
    } else {
        if (digit != nullptr && digit->row > 0)
            view.litRow = rowOf(digit->row);
        view.words = stepWords(step_);
        // The step's last answer and its verdict, where it had one.
        std::optional<std::size_t> last;
        for (std::size_t q = 0; view.practising && q < divisionPractice_.questions(); ++q)
            if (digit != nullptr && divisionPractice_.question(q).step + 1 == index
                && divisionPractice_.state(q) != Practice::State::Open)
                last = q;
        if (last) {
            const std::string& box = divisionPractice_.question(*last).box;
            view.answer =
                AnswerView{box, answerName(box.substr(0, box.size() - 2)), typed_[*last], verdicts_[*last], false};
        }
    }
    if (view.practising)
        view.tally = divisionPractice_.tally();
    view.longWorking = longDivision(*division_, shown);
}

std::string Lesson::text() const
{
    if (!working_.reading && !division_)
        return view().words + "\n";
    auto stepLine = [this](int step) {
        return sentence("Step %1 of %2: %3", {std::to_string(step + 1), std::to_string(stepCount()), stepWords(step)})
               + "\n";
    };
    std::string text;
    auto addLines = [&text](const std::vector<std::string>& lines) {
        for (const std::string& line : lines)
            text += line + "\n";
    };
    if (division_) {
        // While the learner works it, only the steps done.
        const int done = practising() && !divisionPractice_.finished() ? lastReachable() : stepCount();
        const auto worked = static_cast<std::size_t>(std::max(0, std::min(done, stepCount()) - 1));
        addLines(longDivision(*division_, std::min(worked, division_->steps.size())));
        text += "\n";
        for (int step = 0; step < done; ++step)
            text += stepLine(step);
        return text;
    }
    const int revealed = practising() ? static_cast<int>(practice_.answered()) : stepCount();
    const Total total = revealed == stepCount() ? Total::Shown : Total::Hidden;
    addLines(longMultiplication(*working_.reading, static_cast<std::size_t>(revealed), total));
    text += "\n";
    for (int step = 0; step < revealed; ++step) {
        text += stepLine(step);
        if (step == static_cast<int>(working_.reading->rows.size()))
            for (const std::string& line : rods::columnLines(*working_.reading))
                text += "  " + line + "\n";
    }
    return text;
}

} // namespace rods
