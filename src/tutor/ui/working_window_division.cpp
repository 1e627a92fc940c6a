// The Working window's long division: its steps shown, and worked by the
// learner question by question.
#include "tutor/division_words.h"
#include "tutor/ui/answer_panel.h"
#include "tutor/ui/column_marks.h"
#include "tutor/ui/fixed_text.h"
#include "tutor/ui/rods_picture.h"
#include "tutor/ui/text_lines.h"
#include "tutor/ui/working_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

namespace rods {

void WorkingWindow::showDivisionStep()
{
    const bool steps = division_.has_value();
    const bool practice = practising();
    counter_->setVisible(steps);
    previous_->setVisible(steps);
    next_->setVisible(steps);
    workYourself_->setVisible(steps);
    answers_->setVisible(practice);
    tally_->setVisible(practice);
    view_->setCurrentWidget(picture_);
    if (!steps) {
        explanation_->setText(fromUtf8(problemText(*divisionProblem_))
                              + QString(": dividing by 0 has no answer. The rods make 0, and every row of them is "
                                        "0, so no row comes near %1.")
                                    .arg(divisionProblem_->number));
        longMultiplication_->setLines({});
        picture_->setRow(nullptr);
        return;
    }
    const auto index = static_cast<std::size_t>(step_);
    const std::size_t quotientSteps = division_->steps.size();
    // The multiples, then a quotient digit each step, then the result.
    const DivisionStep* digit = index >= 1 && index <= quotientSteps ? &division_->steps[index - 1] : nullptr;
    const std::optional<std::size_t> open = openDivisionQuestion();
    counter_->setText(QString("Step %1 of %2").arg(step_ + 1).arg(stepCount()));
    std::size_t shown = index == 0 ? 0 : std::min(index, quotientSteps);
    if (open) {
        // The step being worked keeps its answers hidden; the row a hint
        // speaks of is lit, or once the digit is found, the row it names.
        const DivisionQuestion& question = divisionPractice_.question(*open);
        const std::optional<int> lit =
            question.kind == DivisionQuestion::Kind::Left ? std::optional<int>(digit->row) : divisionMarked_;
        picture_->setRow(lit ? &division_->readings.at(static_cast<std::size_t>(*lit)) : nullptr,
                         question.kind == DivisionQuestion::Kind::Left ? RodsPicture::Digits::Shown
                                                                       : RodsPicture::Digits::Hidden);
        explanation_->setText(fromUtf8(question.task));
        shown = index - 1;
        const QString name = QString("Answer for step %1 of %2: %3")
                                 .arg(step_ + 1)
                                 .arg(stepCount())
                                 .arg(fromUtf8(question.box).chopped(2));
        answers_->ask(fromUtf8(question.box), name, divisionTyped_[*open]);
        answers_->setHint(divisionVerdicts_[*open]);
    } else {
        picture_->setRow(digit != nullptr && digit->row > 0
                             ? &division_->readings.at(static_cast<std::size_t>(digit->row))
                             : nullptr);
        explanation_->setText(divisionStepText(step_));
        // The step's last answer and its verdict, where it had one.
        std::optional<std::size_t> last;
        for (std::size_t q = 0; q < divisionPractice_.questions(); ++q)
            if (digit != nullptr && divisionPractice_.question(q).step + 1 == index
                && divisionPractice_.state(q) != Practice::State::Open)
                last = q;
        answers_->setVisible(practice && last.has_value());
        if (practice && last) {
            const QString box = fromUtf8(divisionPractice_.question(*last).box);
            answers_->showAnswered(
                box, QString("Answer for step %1 of %2: %3").arg(step_ + 1).arg(stepCount()).arg(box.chopped(2)),
                divisionTyped_[*last]);
            answers_->setHint(divisionVerdicts_[*last]);
        }
    }
    if (practice)
        tally_->setText(fromUtf8(divisionPractice_.tally()));
    longMultiplication_->setLines(toLines(longDivision(*division_, shown)));
    longMultiplication_->setMarkedColumn(std::nullopt, {});
    previous_->setEnabled(step_ > 0);
    next_->setEnabled(step_ < lastReachableStep());
}

QString WorkingWindow::divisionStepText(int step) const
{
    const auto index = static_cast<std::size_t>(step);
    if (index == 0)
        return fromUtf8(multiplesInWords(*division_));
    if (index <= division_->steps.size())
        return fromUtf8(quotientStepInWords(*division_, index - 1));
    return fromUtf8(divisionResultInWords(*division_));
}

void WorkingWindow::checkDivisionAnswer(const QString& typed)
{
    const std::optional<std::size_t> open = openDivisionQuestion();
    if (!open)
        return;
    const DivisionPractice::Attempt attempt = divisionPractice_.answer(*open, typed.toStdString());
    switch (attempt.outcome) {
    case Practice::Attempt::Outcome::Refused:
        answers_->setHint(fromUtf8(attempt.message));
        answers_->announceHint();
        return;
    case Practice::Attempt::Outcome::Wrong:
        divisionTyped_[*open] = typed;
        divisionVerdicts_[*open] = fromUtf8(attempt.message);
        divisionMarked_ = attempt.markedRow;
        showStep();
        answers_->announceHint();
        return;
    case Practice::Attempt::Outcome::Right:
        divisionTyped_[*open] = typed.simplified();
        settleDivisionAnswer(*open, "Right!");
        return;
    }
}

void WorkingWindow::revealDivisionAnswer()
{
    const std::optional<std::size_t> open = openDivisionQuestion();
    if (!open)
        return;
    divisionPractice_.reveal(*open);
    divisionTyped_[*open] = fromUtf8(divisionPractice_.question(*open).answer);
    settleDivisionAnswer(*open, QString("The answer is %1.").arg(divisionTyped_[*open]));
}

void WorkingWindow::settleDivisionAnswer(std::size_t question, const QString& verdict)
{
    divisionMarked_.reset();
    if (divisionPractice_.finished())
        keepProgress();
    const bool stepDone =
        divisionPractice_.finished()
        || divisionPractice_.question(divisionPractice_.answered()).step != divisionPractice_.question(question).step;
    QString next;
    if (divisionPractice_.finished())
        next = fromUtf8(divisionPractice_.summary()) + " Press Next for the result.";
    else if (stepDone)
        next = QString("Press Next for step %1.").arg(step_ + 2);
    divisionVerdicts_[question] = next.isEmpty() ? verdict : verdict + " " + next;
    showStep();
    // A step with a second question asks it at once.
    if (!stepDone) {
        answers_->setHint(verdict);
        answers_->announceHint();
        answers_->focusAnswer();
        return;
    }
    answers_->announceHint();
    if (next_->isEnabled())
        next_->setFocus(Qt::OtherFocusReason);
    else if (previous_->isEnabled())
        previous_->setFocus(Qt::OtherFocusReason);
}

std::optional<std::size_t> WorkingWindow::openDivisionQuestion() const
{
    if (!practising() || !division_ || divisionPractice_.finished())
        return std::nullopt;
    const std::size_t open = divisionPractice_.answered();
    if (static_cast<int>(divisionPractice_.question(open).step) + 1 != step_)
        return std::nullopt;
    return open;
}

} // namespace rods
