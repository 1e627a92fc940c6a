#pragma once

#include "paper/paper_files.h"
#include "tutor/problems/problem.h"
#include "tutor/problems/problem_list.h"

#include <QStringList>

#include <optional>

namespace rods {

// A file to write instead of opening a window: a worksheet, the cut-out
// rods, or the working of the --work problem.
struct PaperJob {
    enum class Kind { Worksheet, CutoutRods, Working };
    Kind kind = Kind::Working;
    QString output;
    Operation operation = Operation::Multiply;
    int level = 1;
    int count = 10;
    int set = 1;
    // For the working as pictures: the step shown (from 0), or every step,
    // each in a file of its own numbered from the output's name.
    int step = 0;
    bool allSteps = false;
    bool mixed = false; // × and ÷ of the level taken in turn
    WorksheetLook look; // the rods, the room to work, the answer key
    QString title;      // the teacher's line over the first page
};

// The class overview of progress files, written to a file instead of
// opening a window.
struct ClassReportJob {
    QStringList paths; // progress files, or folders holding them
    QString output;    // ending in .csv or .pdf
};

// What the command line asks for, read before any window system is touched,
// so that --help and --version work with no display.
struct CommandLine {
    // Set when the program should end at once with this status, after the
    // text below has been printed.
    std::optional<int> exitStatus;
    QString output;              // for standard output
    QString errorOutput;         // for standard error
    QString platform;            // the toolkit's -platform, if given
    bool displayGiven = false;   // the toolkit's -display
    std::optional<Problem> work; // --work: a problem to open the Working window on
    // --problems: a teacher's list to work, and its file's name.
    std::optional<ProblemList> problems;
    QString problemsName;
    std::optional<PaperJob> paper; // --output: a file written with no window
    std::optional<ClassReportJob> classReport;
    QString pupil; // --pupil: whom the Working window starts as, a name checked
};

// Reads the arguments (the program's name first). The toolkit's own options
// (-platform offscreen, -style fusion, -reverse) are let through for
// QApplication to take. Sets the application's name and version as a side
// effect.
CommandLine readCommandLine(const QStringList& arguments);

// One clear line when no window can be opened, or nothing when one can:
// neither an X11 nor a Wayland display is named, and no platform is chosen.
QString missingDisplayMessage(const CommandLine& commandLine);

} // namespace rods
