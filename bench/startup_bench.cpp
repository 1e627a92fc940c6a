#include "startup_bench.h"

#include "app/application_setup.h"
#include "app/catalogues.h"
#include "app/command_line.h"
#include "statistics.h"
#include "window/form1.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QTemporaryFile>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char** environ;

namespace {

// The process's own peak resident memory, in KiB. The parent's figure for a
// spawned child would carry the parent's own peak across the exec.
QByteArray peakResidentKiB()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return "0";
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0);
    return "0";
}

// Ends the process once the event loop is back after the window's first
// paint, so that every child has painted and the frame has been flushed,
// leaving its peak memory in the report file.
class FirstFrame : public QObject {
public:
    explicit FirstFrame(QString report)
        : report_(std::move(report))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [this] {
                QFile report(report_);
                if (report.open(QIODevice::WriteOnly))
                    report.write(peakResidentKiB());
                report.close();
                _exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QString report_;
    bool seen_ = false;
};

struct Run {
    double ms;
    double peakKiB;
};

// One start-up of a probe, or nothing when the probe did not show its window
// (on an X server it now and then cannot connect when runs follow each other
// closely): such a run ends early and would count as a fast start.
std::optional<Run> tryProbe(const QString& self, const char* which)
{
    QTemporaryFile report;
    if (!report.open())
        qFatal("cannot make a report file");
    const QByteArray program = self.toLocal8Bit();
    const QByteArray reportName = report.fileName().toLocal8Bit();
    char* argv[] = {const_cast<char*>(program.constData()), const_cast<char*>("probe"), const_cast<char*>(which),
                    const_cast<char*>(reportName.constData()), nullptr};
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    if (posix_spawn(&pid, program.constData(), nullptr, nullptr, argv, environ) != 0)
        qFatal("cannot start the probe");
    int status = 0;
    waitpid(pid, &status, 0);
    clock_gettime(CLOCK_MONOTONIC, &end);
    const double peakKiB = report.readAll().toDouble();
    // The probe writes its report only after its first painted frame.
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || peakKiB <= 0)
        return std::nullopt;
    const double ms = double(end.tv_sec - start.tv_sec) * 1e3 + double(end.tv_nsec - start.tv_nsec) / 1e6;
    return Run{ms, peakKiB};
}

int failedProbes = 0;

Run runProbe(const QString& self, const char* which)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (const std::optional<Run> run = tryProbe(self, which))
            return *run;
        ++failedProbes;
    }
    qFatal("the %s probe failed ten times in a row", which);
}

} // namespace

std::vector<ProbeFigures> benchStartup(const QString& self, int runs)
{
    const std::vector<std::pair<QString, const char*>> probes{{"numbering-rods", "rods"},
                                                              {"numbering-rods --pupil", "pupil"},
                                                              {"bare Qt window", "bare"},
                                                              {"bare window with one line of text", "text"}};
    std::vector<std::vector<double>> ms(probes.size()), ratios(probes.size()), peaks(probes.size());
    for (const auto& probe : probes)
        runProbe(self, probe.second); // warm the caches once, untimed
    for (int i = 0; i < runs; ++i) {
        // Rotate the order, so that no probe always follows the same one.
        std::vector<Run> round(probes.size());
        for (std::size_t k = 0; k < probes.size(); ++k) {
            const std::size_t which = (k + std::size_t(i)) % probes.size();
            round[which] = runProbe(self, probes[which].second);
        }
        for (std::size_t k = 0; k < probes.size(); ++k) {
            ms[k].push_back(round[k].ms);
            ratios[k].push_back(round[0].ms / round[k].ms);
            peaks[k].push_back(round[k].peakKiB);
        }
    }
    if (failedProbes > 0)
        std::printf("%d start-up runs showed no window and were run again.\n", failedProbes);
    std::vector<ProbeFigures> figures;
    for (std::size_t k = 0; k < probes.size(); ++k)
        figures.push_back({probes[k].first, median(ms[k]), median(ratios[k]), median(peaks[k])});
    return figures;
}

int runStartupProbe(int argc, char** argv, Probe probe)
{
    // What the program's main does before its window, and in that order: the
    // language chosen, its words loaded, the command line read (with a pupil
    // named, or none).
    const bool rods = probe == Probe::Rods || probe == Probe::Pupil;
    const QString language = rods ? rods::chooseLanguage({}) : QString();
    std::optional<rods::CommandLine> commandLine;
    if (rods) {
        rods::loadWords(language);
        commandLine = rods::readCommandLine(probe == Probe::Pupil
                                                ? QStringList{"numbering-rods", "--pupil", "Zo\u00eb M\u00fcller"}
                                                : QStringList{"numbering-rods"});
    }
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (rods) {
        rods::loadToolkitWords(language);
        rods::setUpApplication();
        auto form = std::make_unique<rods::Form1>();
        form->startAs(commandLine->pupil);
        window = std::move(form);
    } else {
        window = std::make_unique<QWidget>();
        window->setWindowTitle("Form1");
        window->resize(1007, 627);
        if (probe == Probe::Text)
            new QLabel("Enter digits of Multiplicator or Divisor , then OK", window.get());
    }
    FirstFrame firstFrame(QString::fromLocal8Bit(argc > 3 ? argv[3] : "/dev/null"));
    window->installEventFilter(&firstFrame);
    window->show();
    QApplication::exec();
    return 1;
}
