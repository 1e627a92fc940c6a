// The Working window's problems posed by the program or a teacher's list, and
// the learner's progress kept as each problem is worked to the end.
#include "drawings/text_lines.h"
#include "working_window/answer_panel.h"
#include "working_window/problem_picker.h"
#include "working_window/progress_window.h"
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

ProgressFile WorkingWindow::progressFile() const { return ProgressFile(progressFolder()); }

void WorkingWindow::keepProgress()
{
    ProgressRecord record = lesson_.record();
    record.time = localTimeNow();
    if (posed_) {
        record.source = posed_->source;
        record.level = posed_->level;
        record.set = posed_->set;
    }
    if (!progressRefused_) {
        const std::string failure = progressFile().append(record);
        if (!failure.empty()) {
            // Said once: the learner works on, and nothing else changes.
            progressRefused_ = true;
            picker_->say(
                QString("Your progress cannot be kept (%1). Everything else works as before.").arg(fromUtf8(failure)));
        }
    }
    if (progressWindow_ && progressWindow_->isVisible())
        progressWindow_->refresh();
    Q_EMIT problemWorked(record);
}

void WorkingWindow::showProgress()
{
    if (!progressWindow_)
        progressWindow_ = new ProgressWindow(progressFile(), this);
    else
        progressWindow_->refresh();
    progressWindow_->show();
    progressWindow_->raise();
    progressWindow_->activateWindow();
}

} // namespace rods
