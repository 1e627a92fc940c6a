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
        const Worksheet sheet =
            commandLine.problems
                ? listWorksheet(commandLine.problems->problems, commandLine.problemsName.toStdString(), job.count)
                : levelWorksheet(*findLevel(job.operation, job.level), job.set, job.count);
        outcome = saveWorksheet(job.output, sheet);
        break;
    }
    }
    if (outcome.written)
        return 0;
    std::fprintf(stderr, "numbering-rods: %s\n", qPrintable(outcome.error));
    return outcome.unknownType ? 2 : 1;
}

} // namespace rods
