#include "app/paper_options.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "paper/paper_files.h"
#include "tutor/problems/problem_sets.h"
#include "tutor/problems/worksheet.h"
#include "tutor/session/lesson.h"

#include <QCommandLineParser>

namespace rods {
namespace {

// A whole number from `lowest` to `highest`, or nothing.
std::optional<int> numberIn(const QString& text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

} // namespace

QString readPaperJob(const QCommandLineParser& parser, const PaperOptions& options, CommandLine& result)
{
    const bool worksheet = parser.isSet(options.worksheet);
    const bool cutout = parser.isSet(options.cutout);
    const bool output = parser.isSet(options.output);
    for (const QCommandLineOption* forSheet : {&options.operation, &options.level, &options.count, &options.set,
                                               &options.title, &options.noRods, &options.noKey, &options.room})
        if (parser.isSet(*forSheet) && !worksheet) {
            // TRANSLATORS: %1 is an option's name, such as "level".
            return uiText("CommandLine", "--%1 is for --worksheet").arg(forSheet->names().first());
        }
    if (!worksheet && !cutout && !output)
        return {};
    if (worksheet && cutout)
        return uiText("CommandLine", "--worksheet and --cutout-rods cannot be given together: choose one");
    if (worksheet && result.work)
        return uiText("CommandLine", "--work and --worksheet cannot be given together: choose one");
    if (cutout && result.work)
        return uiText("CommandLine", "--work and --cutout-rods cannot be given together: choose one");
    if (cutout && result.problems)
        return uiText("CommandLine", "--problems and --cutout-rods cannot be given together: choose one");
    if (result.problems)
        for (const QCommandLineOption* forLevels : {&options.operation, &options.level, &options.set})
            if (parser.isSet(*forLevels)) {
                // TRANSLATORS: %1 is an option's name, such as "level".
                return uiText("CommandLine", "--%1 is for the program's problems, not a --problems list")
                    .arg(forLevels->names().first());
            }
    if (!output && worksheet)
        return uiText("CommandLine", "--worksheet needs --output and the PDF file to write");
    if (!output)
        return uiText("CommandLine", "--cutout-rods needs --output and the PDF file to write");
    if (!worksheet && !cutout && !result.work)
        return uiText("CommandLine", "--output needs --worksheet, --cutout-rods, --class-report or --work");

    PaperJob job;
    job.output = parser.value(options.output);
    job.kind = worksheet ? PaperJob::Kind::Worksheet : cutout ? PaperJob::Kind::CutoutRods : PaperJob::Kind::Working;
    const std::optional<PaperFormat> format = paperFormat(job.output);
    if (!format && job.kind == PaperJob::Kind::Working) {
        // TRANSLATORS: %1 is the file named after --output.
        return uiText("CommandLine", "cannot write '%1': the file's name must end in .pdf or .png").arg(job.output);
    }
    if (!format || (*format == PaperFormat::Png && job.kind != PaperJob::Kind::Working)) {
        // TRANSLATORS: %1 is the file named after --output.
        return uiText("CommandLine", "cannot write '%1': the file's name must end in .pdf").arg(job.output);
    }
    if (worksheet) {
        const QString operation = parser.value(options.operation).trimmed().toLower();
        if (operation == "divide")
            job.operation = Operation::Divide;
        else if (operation == "mixed")
            job.mixed = true;
        else if (parser.isSet(options.operation) && operation != "multiply")
            // TRANSLATORS: %1 is what was typed; multiply, divide and mixed
            // are typed as they are.
            return uiText("CommandLine", "--operation must be multiply, divide or mixed, not '%1'")
                .arg(parser.value(options.operation));
        const QString room = parser.value(options.room).trimmed().toLower();
        if (room == "lattice")
            job.look.room = WorksheetLook::Room::Lattice;
        else if (parser.isSet(options.room) && room != "squared")
            // TRANSLATORS: %1 is what was typed; squared and lattice are
            // typed as they are.
            return uiText("CommandLine", "--room must be squared or lattice, not '%1'").arg(parser.value(options.room));
        job.look.rods = !parser.isSet(options.noRods);
        job.look.answerKey = !parser.isSet(options.noKey);
        job.title = parser.value(options.title).simplified();
        if (job.title.size() > MostInWorksheetTitle) {
            // TRANSLATORS: %1 is the most characters a title may have, %2
            // how many the title given has.
            return uiText("CommandLine", "--title must be at most %1 characters long, not %2")
                .arg(MostInWorksheetTitle)
                .arg(job.title.size());
        }
        const auto levelCount = static_cast<int>(levels(job.operation).size());
        const std::optional<int> level = numberIn(parser.value(options.level), 1, levelCount);
        const std::optional<int> count = numberIn(parser.value(options.count), FewestOnWorksheet, MostOnWorksheet);
        const std::optional<int> set = numberIn(parser.value(options.set), FirstSet, LastSet);
        if (parser.isSet(options.level) && !level) {
            // TRANSLATORS: %1 is the highest level, %2 what was typed.
            return uiText("CommandLine", "--level must be a whole number from 1 to %1, not '%2'")
                .arg(levelCount)
                .arg(parser.value(options.level));
        }
        if (parser.isSet(options.count) && !count) {
            // TRANSLATORS: %1 and %2 are the fewest and the most problems on
            // a worksheet, %3 what was typed.
            return uiText("CommandLine", "--count must be a whole number from %1 to %2, not '%3'")
                .arg(FewestOnWorksheet)
                .arg(MostOnWorksheet)
                .arg(parser.value(options.count));
        }
        if (parser.isSet(options.set) && !set) {
            // TRANSLATORS: %1 and %2 are the first and the last problem set,
            // %3 what was typed.
            return uiText("CommandLine", "--set must be a whole number from %1 to %2, not '%3'")
                .arg(FirstSet)
                .arg(LastSet)
                .arg(parser.value(options.set));
        }
        job.level = level.value_or(1);
        job.count = count.value_or(ProblemsInSet);
        job.set = set.value_or(FirstSet);
    }
    result.paper = job;
    return {};
}

QString readSlideOptions(const QCommandLineParser& parser, const QCommandLineOption& step,
                         const QCommandLineOption& allSteps, CommandLine& result)
{
    const bool oneStep = parser.isSet(step);
    const bool everyStep = parser.isSet(allSteps);
    if (!oneStep && !everyStep)
        return {};
    const QString name = oneStep ? "--step" : "--all-steps";
    if (oneStep && everyStep)
        return uiText("CommandLine", "--step and --all-steps cannot be given together: choose one");
    PaperJob* job = result.paper ? &*result.paper : nullptr;
    if (job == nullptr || job->kind != PaperJob::Kind::Working || paperFormat(job->output) != PaperFormat::Png) {
        // TRANSLATORS: %1 is the option given: --step or --all-steps.
        return uiText("CommandLine", "%1 is for --work with a picture to write: --output and a file ending in .png")
            .arg(name);
    }
    const Lesson lesson = Lesson::ofProblem(*result.work);
    const QString problem = fromUtf8(lesson.expression().text());
    const int steps = lesson.stepCount();
    if (steps == 0) {
        // TRANSLATORS: %1 is the problem, such as "0 × 5".
        return uiText("CommandLine", "%1 has no steps to show").arg(problem);
    }
    job->allSteps = everyStep;
    if (oneStep) {
        const std::optional<int> chosen = numberIn(parser.value(step), 1, steps);
        if (!chosen) {
            // TRANSLATORS: %1 is the problem's last step, %2 the problem, such
            // as "307 × 12", %3 what was typed.
            return uiText("CommandLine", "--step must be a whole number from 1 to %1 for %2, not '%3'")
                .arg(steps)
                .arg(problem, parser.value(step));
        }
        job->step = *chosen - 1;
    }
    return {};
}

} // namespace rods
