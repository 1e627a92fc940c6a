#pragma once

#include "tutor/progress/progress_file.h"
#include "tutor/session/problem_queue.h"

#include <optional>

class QWidget;

namespace rods {

class ProblemPicker;
class ProgressWindow;

// The learner's progress as the Working window keeps it: each problem worked
// to the end goes into the progress file in the data folder, with its time and,
// for a problem the program posed, where it came from. A folder that cannot be
// written never stops the learner: it is said once, on the picker's message
// line, and no record is tried again while the program runs, though each one
// is still handed back for the window to pass on. The Progress window is made
// the first time it is asked for, and shows the file as it is when shown, or
// when a problem is kept while it is open.
class ProgressKeeper {
public:
    // The window is the Progress window's parent; the picker says the refusal.
    ProgressKeeper(QWidget* window, ProblemPicker* picker);

    // Keeps the record of a problem just worked to the end, and returns it as
    // kept.
    ProgressRecord keep(ProgressRecord record, const std::optional<PosedProblem>& posed);
    // Opens the learner's progress.
    void show();

private:
    [[nodiscard]] ProgressFile file() const;

    QWidget* window_;
    ProblemPicker* picker_;
    ProgressWindow* progressWindow_ = nullptr;
    bool refused_ = false; // the data folder cannot be written
};

} // namespace rods
