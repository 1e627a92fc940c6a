#pragma once

#include "app/command_line.h"

#include <QCommandLineOption>

class QCommandLineParser;

namespace rods {

// The options that write a file instead of opening a window.
struct PaperOptions {
    const QCommandLineOption& worksheet;
    const QCommandLineOption& cutout;
    const QCommandLineOption& output;
    const QCommandLineOption& operation;
    const QCommandLineOption& level;
    const QCommandLineOption& count;
    const QCommandLineOption& set;
    const QCommandLineOption& title;
    const QCommandLineOption& noRods;
    const QCommandLineOption& noKey;
    const QCommandLineOption& room;
};

// Reads the options that write a file instead of opening a window into
// result.paper; returns why they cannot be taken, or nothing.
QString readPaperJob(const QCommandLineParser& parser, const PaperOptions& options, CommandLine& result);

// Reads --step and --all-steps, for the working of the --work problem as
// pictures, into result.paper; returns why they cannot be taken, or nothing.
QString readSlideOptions(const QCommandLineParser& parser, const QCommandLineOption& step,
                         const QCommandLineOption& allSteps, CommandLine& result);

} // namespace rods
