#include "working_window/progress_keeper.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "working_window/problem_picker.h"
#include "working_window/progress_window.h"

namespace rods {

ProgressKeeper::ProgressKeeper(QWidget* window, ProblemPicker* picker, ProgressFile file)
    : window_(window)
    , picker_(picker)
    , file_(std::move(file))
{
}

void ProgressKeeper::setFile(ProgressFile file)
{
    file_ = std::move(file);
    refused_ = false;
    if (progressWindow_)
        progressWindow_->setFile(file_);
}

ProgressRecord ProgressKeeper::keep(ProgressRecord record, const std::optional<PosedProblem>& posed)
{
    record.time = localTimeNow();
    if (posed) {
        record.source = posed->source;
        record.level = posed->level;
        record.set = posed->set;
    }
    if (!refused_) {
        const std::string failure = file_.append(record);
        if (!failure.empty()) {
            // Said once: the learner works on, and nothing else changes.
            refused_ = true;
            // TRANSLATORS: %1 says why, as the system gives it.
            picker_->say(uiText("ProblemPicker", "Your progress cannot be kept (%1). Everything else works as before.")
                             .arg(fromUtf8(failure)));
        }
    }
    if (progressWindow_ && progressWindow_->isVisible())
        progressWindow_->refresh();
    return record;
}

void ProgressKeeper::show()
{
    if (!progressWindow_)
        progressWindow_ = new ProgressWindow(file_, window_);
    else
        progressWindow_->refresh();
    progressWindow_->show();
    progressWindow_->raise();
    progressWindow_->activateWindow();
}

} // namespace rods

namespace rods {

void ProgressKeeper::showFiles(const QString& pupil, std::vector<std::string> files)
{
    auto* window = new ProgressWindow(pupil, std::move(files), window_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace rods
