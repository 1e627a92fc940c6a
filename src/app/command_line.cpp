#include "app/command_line.h"

#include "app/paper_options.h"
#include "drawings/screen_words.h"
#include "tutor/problems/problem_sets.h"
#include "tutor/problems/worksheet.h"
#include "tutor/pupils/pupil_name.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace rods {
namespace {

// The toolkit's own options, which QApplication takes off the command line
// itself: those that take a value, and those that do not.
constexpr const char* QtOptionsWithValue[] = {"platform",
                                              "platformpluginpath",
                                              "platformtheme",
                                              "plugin",
                                              "qwindowgeometry",
                                              "qwindowicon",
                                              "qwindowtitle",
                                              "style",
                                              "stylesheet",
                                              "session",
                                              "display",
                                              "geometry",
                                              "name",
                                              "fn",
                                              "font",
                                              "bg",
                                              "background",
                                              "fg",
                                              "foreground",
                                              "btn",
                                              "button",
                                              "visual",
                                              "ncols",
                                              "cmap",
                                              "im",
                                              "inputstyle",
                                              "qmljsdebugger"};
constexpr const char* QtFlags[] = {"reverse", "nograb", "dograb", "sync", "widgetcount", "testability"};

} // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    QCoreApplication::setApplicationName("numbering-rods");
    QCoreApplication::setApplicationVersion(NUMBERING_RODS_VERSION);
    QCoreApplication::setOrganizationName("numbering-rods");

    QCommandLineParser parser;
    parser.setApplicationDescription(
        uiText("CommandLine", "Works long multiplications with numbering rods (multiplication rods)."));
    // The toolkit's help and version options, under the same names, with
    // words of the program's own: the toolkit's are not loaded yet.
    const QCommandLineOption help({"h", "help"}, uiText("CommandLine", "Displays help on commandline options."));
    parser.addOption(help);
    // Listed, as the toolkit lists it, but taken as no option of the program.
    parser.addOption({"help-all", uiText("CommandLine", "Displays help including Qt specific options.")});
    const QCommandLineOption version({"v", "version"}, uiText("CommandLine", "Displays version information."));
    parser.addOption(version);
    // TRANSLATORS: the values' names shown in --help after their options,
    // such as "--work <problem>"; one word each, with no spaces.
    const QString problemValue = uiText("CommandLine", "problem");
    // TRANSLATORS: a value's name in --help, as above.
    const QString fileValue = uiText("CommandLine", "file");
    // TRANSLATORS: a value's name in --help, as above.
    const QString numberValue = uiText("CommandLine", "number");
    // TRANSLATORS: a value's name in --help, as above.
    const QString codeValue = uiText("CommandLine", "code");
    // TRANSLATORS: a value's name in --help, as above.
    const QString operationValue = uiText("CommandLine", "operation");
    // TRANSLATORS: a value's name in --help, as above.
    const QString textValue = uiText("CommandLine", "text");
    // TRANSLATORS: a value's name in --help, as above.
    const QString roomValue = uiText("CommandLine", "room");
    const QCommandLineOption work("work",
                                  uiText("CommandLine",
                                         // TRANSLATORS: × x * ÷ / and : are typed as they are.
                                         "Opens the Working window on a problem as well: two numbers with \u00d7, x "
                                         "or * (multiplier first) or \u00f7, / or : (dividend first) between them, "
                                         "such as \"3684 \u00f7 12\"."),
                                  problemValue);
    parser.addOption(work);
    const QCommandLineOption problems("problems",
                                      uiText("CommandLine",
                                             "Opens the Working window on a teacher's list of problems to work in "
                                             "turn: a text file with one problem a line, such as \"307 \u00d7 12\" "
                                             "or \"3684 \u00f7 12\"."),
                                      fileValue);
    parser.addOption(problems);
    const QCommandLineOption worksheet(
        "worksheet", uiText("CommandLine", "Writes a worksheet with its answer key to the --output PDF: the "
                                           "problems of --level, --count and --set, or the first --count of a "
                                           "--problems list."));
    parser.addOption(worksheet);
    const QCommandLineOption cutout("cutout-rods",
                                    uiText("CommandLine", "Writes a page of rods to cut out (the rods 0 to 9 twice "
                                                          "and the index rod) to the --output PDF."));
    parser.addOption(cutout);
    const QCommandLineOption output("output",
                                    uiText("CommandLine",
                                           // TRANSLATORS: .pdf, .csv and .png are file endings, typed as
                                           // they are.
                                           "Writes the --worksheet, the --cutout-rods, the --class-report or the "
                                           "working of the --work problem to this file instead of opening a window: "
                                           "a PDF (.pdf); for the class report a spreadsheet (.csv) too, and for "
                                           "the working a picture of its first step (.png), a slide. Needs no "
                                           "display."),
                                    fileValue);
    parser.addOption(output);
    // TRANSLATORS: a value's name in --help, as above.
    const QString pathValue = uiText("CommandLine", "path");
    const QCommandLineOption classReport(
        "class-report",
        uiText("CommandLine",
               // TRANSLATORS: .csv and .pdf are file endings, typed as they are.
               "Writes the class overview, each pupil's figures in a row, to the --output file: a spreadsheet "
               "(.csv) or a PDF (.pdf). The path is a pupil's progress file, a folder of such files collected from "
               "several computers, or the program's own data folder; more paths may follow it. Written only when "
               "every file can be read. Needs no display."),
        pathValue);
    parser.addOption(classReport);
    // TRANSLATORS: a value's name in --help, as above.
    const QString nameValue = uiText("CommandLine", "name");
    const QCommandLineOption pupil(
        "pupil", uiText("CommandLine", "Starts the Working window as this pupil, where the pupil left off."),
        nameValue);
    parser.addOption(pupil);
    const QCommandLineOption step("step",
                                  uiText("CommandLine",
                                         // TRANSLATORS: %1 is the first step's number.
                                         "For --work with a picture (.png) --output: the step the slide shows, from "
                                         "%1 (the first if not given).")
                                      .arg(1),
                                  numberValue);
    parser.addOption(step);
    const QCommandLineOption allSteps("all-steps",
                                      uiText("CommandLine",
                                             // TRANSLATORS: slide.png, slide-1.png, slide-2.png and slide-01.png are
                                             // files' names: keep them as they are.
                                             "For --work with a picture (.png) --output: a slide of every step, each "
                                             "in a file of its own numbered from the --output's name (slide.png "
                                             "gives slide-1.png, slide-2.png and on; slide-01.png from ten steps "
                                             "up)."));
    parser.addOption(allSteps);
    const QCommandLineOption language("language",
                                      uiText("CommandLine",
                                             // TRANSLATORS: en, de, fr, es and ar are typed as they are; the names in
                                             // brackets are the languages' names in your language.
                                             "Speaks this language instead of the desktop's, for this time: en "
                                             "(English), de (German), fr (French), es (Spanish) or ar (Arabic)."),
                                      codeValue);
    parser.addOption(language);
    const QCommandLineOption operation(
        "operation",
        uiText("CommandLine",
               // TRANSLATORS: multiply, divide and mixed are typed as they are.
               "For --worksheet: multiply (the default), divide, or mixed (a product and a division in turn)."),
        operationValue);
    parser.addOption(operation);
    const QCommandLineOption level("level",
                                   // TRANSLATORS: %1 is the first level, %2 the last.
                                   uiText("CommandLine", "For --worksheet: the level, %1 to %2 (%1 if not given).")
                                       .arg(1)
                                       .arg(levels(Operation::Multiply).size()),
                                   numberValue);
    parser.addOption(level);
    const QCommandLineOption count(
        "count",
        // TRANSLATORS: %1 and %2 are the fewest and the most problems on a
        // worksheet, %3 how many when not given.
        uiText("CommandLine", "For --worksheet: how many problems, %1 to %2 (%3 if not given).")
            .arg(FewestOnWorksheet)
            .arg(MostOnWorksheet)
            .arg(ProblemsInSet),
        numberValue);
    parser.addOption(count);
    const QCommandLineOption set("set",
                                 // TRANSLATORS: %1 is the first problem set, %2 the last.
                                 uiText("CommandLine", "For --worksheet: the problem set, %1 to %2 (%1 if not given).")
                                     .arg(FirstSet)
                                     .arg(LastSet),
                                 numberValue);
    parser.addOption(set);
    const QCommandLineOption title(
        "title",
        uiText("CommandLine",
               // TRANSLATORS: "Class 4b, Tuesday" is an example of a teacher's line: put
               // one a teacher of your language would write.
               "For --worksheet: a line of your own over the first page, such as \"Class 4b, Tuesday\"."),
        textValue);
    parser.addOption(title);
    const QCommandLineOption noRods(
        "no-rods", uiText("CommandLine", "For --worksheet: leaves the rods out, for more problems to a page."));
    parser.addOption(noRods);
    const QCommandLineOption room("room",
                                  uiText("CommandLine",
                                         // TRANSLATORS: squared and lattice are typed as they are.
                                         "For --worksheet: the room to work each problem in: squared (5 mm squares, "
                                         "the default) or lattice (a product's lattice; a division keeps its "
                                         "squares)."),
                                  roomValue);
    parser.addOption(room);
    const QCommandLineOption noKey("no-key", uiText("CommandLine", "For --worksheet: leaves the answer key out."));
    parser.addOption(noKey);
    // Qt writes its options with one dash: -platform offscreen, -reverse.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : QtOptionsWithValue) {
        QCommandLineOption option(name, "An option of the Qt toolkit.", "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : QtFlags) {
        QCommandLineOption option(name, "An option of the Qt toolkit.");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    CommandLine result;
    auto refuse = [&result](const QString& why) {
        result.exitStatus = 2;
        // TRANSLATORS: %1 is why the command was refused, one of the
        // sentences of this context or the toolkit's own.
        result.errorOutput = uiText("CommandLine", "numbering-rods: %1\nTry 'numbering-rods --help'.").arg(why) + '\n';
    };
    // Where the line itself says what to do.
    auto refuseInOneLine = [&result](const QString& why) {
        result.exitStatus = 2;
        result.errorOutput = QString("numbering-rods: %1\n").arg(why);
    };
    if (!parser.parse(arguments)) {
        refuse(parser.errorText());
    } else if (parser.isSet(help)) {
        result.exitStatus = 0;
        // With no application object yet, Qt cannot name the program itself;
        // nor are its words loaded, so its headings are put in the
        // program's.
        QString text = parser.helpText();
        text.replace("Usage: <executable_name> [options]\n",
                     // TRANSLATORS: the first line of --help: %1 is the program's name;
                     // [options] stands for the options listed below it.
                     uiText("CommandLine", "Usage: %1 [options]").arg("numbering-rods") + '\n');
        // TRANSLATORS: the heading over the options in --help.
        text.replace("\nOptions:\n", '\n' + uiText("CommandLine", "Options:") + '\n');
        result.output = text;
    } else if (parser.isSet(version)) {
        result.exitStatus = 0;
        result.output = QString("numbering-rods %1\n").arg(NUMBERING_RODS_VERSION);
    } else if (parser.isSet(work) && parser.isSet(problems)) {
        result.exitStatus = 2;
        result.errorOutput =
            uiText("CommandLine", "numbering-rods: --work and --problems cannot be given together: choose one") + '\n';
    } else if (parser.isSet(problems)) {
        const QString path = parser.value(problems);
        ProblemList list = loadProblemList(QFile::encodeName(path).toStdString());
        if (list.problems.empty()) {
            // A file that cannot be read is an error of the system; one that
            // is no list, of the command.
            result.exitStatus = list.unreadable ? 1 : 2;
            // TRANSLATORS: %1 is the list's file, %2 why it cannot be used.
            result.errorOutput = uiText("CommandLine", "numbering-rods: cannot use the list '%1': %2")
                                     .arg(path, QString::fromStdString(list.refusal))
                                 + '\n';
        } else {
            if (!list.notice.empty())
                result.errorOutput +=
                    QString("numbering-rods: %1: %2\n").arg(path, QString::fromStdString(list.notice));
            for (const BadLine& line : list.badLines)
                result.errorOutput +=
                    // TRANSLATORS: %1 is the list's file, %2 the line's number,
                    // %3 why the line is no problem.
                    uiText("CommandLine", "numbering-rods: %1, line %2 is not a problem and is left out: %3")
                        .arg(path)
                        .arg(line.number)
                        .arg(QString::fromStdString(line.reason))
                    + '\n';
            result.problemsName = QFileInfo(path).fileName();
            result.problems = std::move(list);
        }
    } else if (parser.isSet(work)) {
        const ProblemRead read = readProblem(parser.value(work).toStdString());
        if (read.problem) {
            result.work = read.problem;
        } else {
            result.exitStatus = 2;
            // TRANSLATORS: %1 is the problem as typed, %2 why it cannot be
            // read.
            result.errorOutput = uiText("CommandLine", "numbering-rods: cannot read the problem '%1': %2")
                                     .arg(parser.value(work), QString::fromStdString(read.refusal))
                                 + '\n';
        }
    }
    if (!result.exitStatus && parser.isSet(pupil)) {
        const CheckedName name = checkedPupilName(parser.value(pupil).toStdString());
        if (name.refusal.empty())
            result.pupil = QString::fromStdString(name.name);
        else
            refuseInOneLine(QString::fromStdString(name.refusal));
    }
    if (!result.exitStatus && parser.isSet(classReport)) {
        const QCommandLineOption* other = nullptr;
        for (const QCommandLineOption* option : {&worksheet, &cutout, &work, &problems, &step, &allSteps, &operation,
                                                 &level, &count, &set, &title, &noRods, &noKey, &room, &pupil})
            if (other == nullptr && parser.isSet(*option))
                other = option;
        const QString ending = QFileInfo(parser.value(output)).suffix().toLower();
        if (other != nullptr) {
            // TRANSLATORS: %1 is an option's name, such as "worksheet".
            refuse(uiText("CommandLine", "--class-report and --%1 cannot be given together: choose one")
                       .arg(other->names().first()));
        } else if (!parser.isSet(output)) {
            refuseInOneLine(uiText("CommandLine",
                                   // TRANSLATORS: .csv and .pdf are file endings, typed as they are.
                                   "--class-report needs --output and the file to write: a spreadsheet (.csv) or "
                                   "a PDF (.pdf)"));
        } else if (ending != "csv" && ending != "pdf") {
            // TRANSLATORS: %1 is the file named after --output; .csv and .pdf are typed as they are.
            refuseInOneLine(uiText("CommandLine", "cannot write '%1': the file's name must end in .csv or .pdf")
                                .arg(parser.value(output)));
        } else {
            result.classReport =
                ClassReportJob{parser.values(classReport) + parser.positionalArguments(), parser.value(output)};
        }
    } else if (!result.exitStatus) {
        QString why = readPaperJob(
            parser, {worksheet, cutout, output, operation, level, count, set, title, noRods, noKey, room}, result);
        if (why.isEmpty())
            why = readSlideOptions(parser, step, allSteps, result);
        if (!why.isEmpty())
            refuse(why);
    }
    if (!result.exitStatus && !result.classReport && !parser.positionalArguments().isEmpty())
        refuse(uiText("CommandLine", "unexpected argument '%1'").arg(parser.positionalArguments().first()));
    if (parser.isSet("platform"))
        result.platform = parser.value("platform");
    result.displayGiven = parser.isSet("display");
    return result;
}

QString missingDisplayMessage(const CommandLine& commandLine)
{
    // A chosen platform plugin takes care of itself; only the default desktop
    // platforms need a display.
    const QString platform =
        commandLine.platform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : commandLine.platform;
    const bool desktopPlatform = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    if (!desktopPlatform || commandLine.displayGiven || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    // TRANSLATORS: DISPLAY and WAYLAND_DISPLAY are names the system knows:
    // keep them as they are.
    return uiText("CommandLine", "numbering-rods: no display found: it needs a graphical session (DISPLAY or "
                                 "WAYLAND_DISPLAY is not set)");
}

} // namespace rods
