#include "app/command_line.h"

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
                                              "title",
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
    parser.setApplicationDescription("Works long multiplications with numbering rods (multiplication rods).");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption work("work",
                                  "Opens the Working window on a problem as well: two numbers with \u00d7, x or * "
                                  "(multiplier first) or \u00f7, / or : (dividend first) between them, such as "
                                  "\"3684 \u00f7 12\".",
                                  "problem");
    parser.addOption(work);
    const QCommandLineOption problems("problems",
                                      "Opens the Working window on a teacher's list of problems to work in turn: a "
                                      "text file with one problem a line, such as \"307 \u00d7 12\" or "
                                      "\"3684 \u00f7 12\".",
                                      "file");
    parser.addOption(problems);
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
    if (!parser.parse(arguments)) {
        result.exitStatus = 2;
        result.errorOutput = QString("numbering-rods: %1\nTry 'numbering-rods --help'.\n").arg(parser.errorText());
    } else if (parser.isSet(help)) {
        result.exitStatus = 0;
        // With no application object yet, Qt cannot name the program itself.
        result.output = parser.helpText().replace("<executable_name>", "numbering-rods");
    } else if (parser.isSet(version)) {
        result.exitStatus = 0;
        result.output = QString("numbering-rods %1\n").arg(NUMBERING_RODS_VERSION);
    } else if (parser.isSet(work) && parser.isSet(problems)) {
        result.exitStatus = 2;
        result.errorOutput = "numbering-rods: --work and --problems cannot be given together: choose one\n";
    } else if (parser.isSet(problems)) {
        const QString path = parser.value(problems);
        ProblemList list = loadProblemList(QFile::encodeName(path).toStdString());
        if (list.problems.empty()) {
            // A file that cannot be read is an error of the system; one that
            // is no list, of the command.
            result.exitStatus = list.unreadable ? 1 : 2;
            result.errorOutput = QString("numbering-rods: cannot use the list '%1': %2\n")
                                     .arg(path, QString::fromStdString(list.refusal));
        } else {
            for (const BadLine& line : list.badLines)
                result.errorOutput += QString("numbering-rods: %1, line %2 is not a problem and is left out: %3\n")
                                          .arg(path)
                                          .arg(line.number)
                                          .arg(QString::fromStdString(line.reason));
            result.problemsName = QFileInfo(path).fileName();
            result.problems = std::move(list);
        }
    } else if (parser.isSet(work)) {
        const ProblemRead read = readProblem(parser.value(work).toStdString());
        if (read.problem) {
            result.work = read.problem;
        } else {
            result.exitStatus = 2;
            result.errorOutput = QString("numbering-rods: cannot read the problem '%1': %2\n")
                                     .arg(parser.value(work), QString::fromStdString(read.refusal));
        }
    }
    if (!result.exitStatus && !parser.positionalArguments().isEmpty()) {
        result.exitStatus = 2;
        result.errorOutput = QString("numbering-rods: unexpected argument '%1'\nTry 'numbering-rods --help'.\n")
                                 .arg(parser.positionalArguments().first());
    }
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
    return "numbering-rods: no display found: it needs a graphical session (DISPLAY or WAYLAND_DISPLAY is not set)";
}

} // namespace rods
