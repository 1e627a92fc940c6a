#pragma once

#include "tutor/progress/progress_file.h"
#include "tutor/session/problem_queue.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace rods {

class ProblemPicker;
class ProgressWindow;

// The pupil's progress as the Working window keeps it: each problem worked
// to the end, or skipped, goes into the pupil's progress file, with its time
// and, for a problem the program posed, where it came from. A folder that cannot be
// written never stops the learner: it is said once, on the picker's message
// line, and no record is tried again while the program runs, though each one
// is still handed back for the window to pass on. The Progress window is made
// the first time it is asked for, and shows the file as it is when shown, or
// when a problem is kept while it is open.
class ProgressKeeper {
public:
    // The window is the Progress window's parent; the picker says the refusal.
    // The file is the pupil's who works first.
    ProgressKeeper(QWidget* window, ProblemPicker* picker, ProgressFile file);

    // Keeps the progress of another pupil from now on.
    void setFile(ProgressFile file);

    // Keeps the record of a problem just worked to the end, and returns it as
    // kept.
    ProgressRecord keep(ProgressRecord record, const std::optional<PosedProblem>& posed);
    // Opens the progress of the pupil working.
    void show();
    // Opens a pupil's progress from files that are only read.
    void showFiles(const QString& pupil, std::vector<std::string> files);

private:
    QWidget* window_;
    ProblemPicker* picker_;
    ProgressFile file_;
    ProgressWindow* progressWindow_ = nullptr;
    bool refused_ = false; // the data folder cannot be written
};

} // namespace rods
