#include "window/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace rods {

CommandLine readCommandLine(const QStringList& arguments)
{
    QCoreApplication::setApplicationName("numbering-rods");
    QCoreApplication::setApplicationVersion(NUMBERING_RODS_VERSION);
    QCoreApplication::setOrganizationName("numbering-rods");

    QCommandLineParser parser;
    parser.setApplicationDescription("Works long multiplications with numbering rods (multiplication rods).");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();

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
    } else if (!parser.positionalArguments().isEmpty()) {
        result.exitStatus = 2;
        result.errorOutput = QString("numbering-rods: unexpected argument '%1'\nTry 'numbering-rods --help'.\n")
                                 .arg(parser.positionalArguments().first());
    }
    return result;
}

QString missingDisplayMessage()
{
    // Qt's own options (-platform) and a chosen platform plugin take care of
    // themselves; only the default desktop platforms need a display.
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const bool desktopPlatform = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    if (!desktopPlatform || !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {};
    return "numbering-rods: no display found: it needs a graphical session (DISPLAY or WAYLAND_DISPLAY is not set)";
}

} // namespace rods
