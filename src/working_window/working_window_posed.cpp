// The Working window's problems posed by the program or a teacher's list.
#include "working_window/answer_panel.h"
#include "working_window/problem_picker.h"
#include "working_window/progress_keeper.h"
#include "working_window/working_window.h"

#include <QCheckBox>

namespace rods {

void WorkingWindow::showPosed(const PosedProblem& posed)
{
    {
        // The problem below starts its practice; no need for the old one's.
        const QSignalBlocker block(workYourself_);
        workYourself_->setChecked(true);
    }
    showProblem(posed.problem);
    posed_ = posed;
    // A posed product taken up again where it was left keeps its answers;
    // one begun afresh starts at its first answer.
    answers_->focusAnswer();
}

void WorkingWindow::useProblemList(const ProblemList& list, const QString& name) { picker_->useList(list, name); }

void WorkingWindow::showProgress() { progress_->show(); }

} // namespace rods
