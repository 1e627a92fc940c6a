#include "app/paper_job.h"

#include "paper/paper_files.h"
#include "tutor/problems/problem_sets.h"
#include "tutor/problems/worksheet.h"
#include "tutor/session/lesson.h"

#include <cstdio>

namespace rods {
namespace {

// The output's name with the step's number before its ending, as wide as the
// last step's so that the files sort in order: slide.png, step 3 of 12,
// gives slide-03.png.
QString numberedPath(const QString& path, int step, int steps)
{
    const qsizetype dot = path.lastIndexOf('.');
    const int width = static_cast<int>(QString::number(steps).size());
    return path.left(dot) + QString("-%1").arg(step, width, 10, QChar('0')) + path.mid(dot);
}

// The working as slides: the step asked for, or every step in a file of its
// own; stops at the first file that cannot be written.
PaperOutcome saveSlides(const PaperJob& job, const Problem& problem)
{
    Lesson lesson = Lesson::ofProblem(problem);
    if (!job.allSteps) {
        lesson.goTo(job.step);
        return saveWorking(job.output, lesson);
    }
    for (int step = 0; step < lesson.stepCount(); ++step) {
        lesson.goTo(step);
        const PaperOutcome outcome = saveWorking(numberedPath(job.output, step + 1, lesson.stepCount()), lesson);
        if (!outcome.written)
            return outcome;
    }
    return {true, false, {}};
}

} // namespace

int writePaperJob(const CommandLine& commandLine)
{
    const PaperJob& job = *commandLine.paper;
    PaperOutcome outcome;
    switch (job.kind) {
    case PaperJob::Kind::Working:
        outcome = paperFormat(job.output) == PaperFormat::Png
                      ? saveSlides(job, *commandLine.work)
                      : saveWorking(job.output, Lesson::ofProblem(*commandLine.work));
        break;
    case PaperJob::Kind::CutoutRods:
        outcome = savePdf(job.output, [](QPagedPaintDevice& device) { return paintCutoutRods(device); });
        break;
    case PaperJob::Kind::Worksheet: {
        Worksheet sheet = commandLine.problems ? listWorksheet(commandLine.problems->problems,
                                                               commandLine.problemsName.toStdString(), job.count)
                          : job.mixed          ? mixedWorksheet(job.level, job.set, job.count)
                                      : levelWorksheet(*findLevel(job.operation, job.level), job.set, job.count);
        sheet.heading = job.title.toStdString();
        outcome = saveWorksheet(job.output, sheet, job.look);
        break;
    }
    }
    if (outcome.written)
        return 0;
    std::fprintf(stderr, "numbering-rods: %s\n", qPrintable(outcome.error));
    return outcome.unknownType ? 2 : 1;
}

} // namespace rods
