#include "app/paper_job.h"

#include "paper/paper_files.h"
#include "tutor/problems/problem_sets.h"
#include "tutor/problems/worksheet.h"
#include "tutor/session/lesson.h"

#include <cstdio>

namespace rods {

int writePaperJob(const CommandLine& commandLine)
{
    const PaperJob& job = *commandLine.paper;
    PaperOutcome outcome;
    switch (job.kind) {
    case PaperJob::Kind::Working:
        outcome = saveWorking(job.output, Lesson::ofProblem(*commandLine.work));
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
