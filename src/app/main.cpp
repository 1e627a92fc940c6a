#include "app/application_setup.h"
#include "app/catalogues.h"
#include "app/class_report.h"
#include "app/command_line.h"
#include "app/paper_job.h"
#include "drawings/screen_words.h"
#include "window/form1.h"

#include <QApplication>

#include <cstdio>
#include <optional>
#include <tuple>
#include <unistd.h>

namespace {

QtMessageHandler defaultHandler = nullptr;
QList<std::tuple<QtMsgType, QString>> startMessages;

// While the application object starts, Qt's messages are held back: when its
// platform plugin cannot reach the display, Qt explains at length and ends the
// process with abort(). One line and status 1 say it better.
void holdStartMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        startMessages.append({type, message});
        return;
    }
    const QString cannotOpen =
        rods::uiText("CommandLine", "numbering-rods: cannot open a window: the display cannot be reached");
    std::fprintf(stderr, "%s\n", qPrintable(cannotOpen));
    std::fflush(stderr);
    _exit(1);
}

void releaseStartMessages()
{
    qInstallMessageHandler(defaultHandler);
    for (const auto& [type, message] : std::as_const(startMessages))
        defaultHandler(type, QMessageLogContext(), message);
    startMessages.clear();
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The language first, so that --help and every message speak it.
    const QString language = rods::chooseLanguage(arguments);
    if (language.isEmpty()) {
        rods::loadWords(rods::chooseLanguage({}));
        std::fprintf(stderr, "%s\n", qPrintable(rods::unknownLanguageMessage(arguments)));
        return 2;
    }
    rods::loadWords(language);
    const rods::CommandLine commandLine = rods::readCommandLine(arguments);
    if (commandLine.exitStatus) {
        std::fputs(qPrintable(commandLine.output), stdout);
        std::fputs(qPrintable(commandLine.errorOutput), stderr);
        return *commandLine.exitStatus;
    }
    if (commandLine.classReport) {
        const rods::ClassReport report = rods::readClassReport(*commandLine.classReport);
        for (const QString& trouble : report.troubles)
            std::fprintf(stderr, "numbering-rods: %s\n", qPrintable(trouble));
        if (!report.troubles.isEmpty())
            return 1;
        // A PDF's fonts need the application, on no display; a spreadsheet
        // needs none.
        std::optional<QGuiApplication> app;
        if (!rods::isCsvReport(*commandLine.classReport)) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app.emplace(argc, argv);
            rods::loadToolkitWords(language); // the layout's direction with them
        }
        return rods::writeClassReport(*commandLine.classReport, report.rows);
    }
    if (commandLine.paper) {
        // Only a file is written: no display is needed, nor opened.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        rods::loadToolkitWords(language);
        std::fputs(qPrintable(commandLine.errorOutput), stderr);
        return rods::writePaperJob(commandLine);
    }
    if (const QString missing = rods::missingDisplayMessage(commandLine); !missing.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(missing));
        return 1;
    }

    defaultHandler = qInstallMessageHandler(holdStartMessages);
    QApplication app(argc, argv);
    releaseStartMessages();
    rods::loadToolkitWords(language);
    rods::setUpApplication();
    rods::Form1 window;
    window.startAs(commandLine.pupil);
    window.show();
    // Lines of a teacher's list that are not problems, said once the rest is
    // loaded.
    std::fputs(qPrintable(commandLine.errorOutput), stderr);
    if (commandLine.work)
        window.workProblem(*commandLine.work);
    if (commandLine.problems)
        window.workProblemList(*commandLine.problems, commandLine.problemsName);
    return QApplication::exec();
}
