// numbering-rods-bench [repetitions] [start-up runs]
// numbering-rods-bench class [repetitions]
// Prints a Markdown table of click, start-up and memory figures (or only the
// Class window's).
#include "class_bench.h"
#include "click_bench.h"
#include "paper_bench.h"
#include "posed_bench.h"
#include "startup_bench.h"
#include "working_bench.h"

#include <QApplication>
#include <QSysInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    if (argc >= 3 && std::strcmp(argv[1], "probe") == 0) {
        const Probe probe = std::strcmp(argv[2], "rods") == 0    ? Probe::Rods
                            : std::strcmp(argv[2], "pupil") == 0 ? Probe::Pupil
                            : std::strcmp(argv[2], "text") == 0  ? Probe::Text
                                                                 : Probe::Bare;
        return runStartupProbe(argc, argv, probe);
    }

    // Whatever the windows under the clock keep goes to a folder of the
    // benchmark's own, never into the data of whoever runs it.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    const bool classOnly = argc > 1 && std::strcmp(argv[1], "class") == 0;
    const int repetitions = argc > 1 + classOnly ? std::atoi(argv[1 + classOnly]) : 200;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 40;
    std::vector<ClickFigure> clicks;
    {
        QApplication app(argc, argv);
        std::printf("Platform: %s, Qt %s, %s\n\n", qPrintable(QGuiApplication::platformName()), qVersion(),
                    qPrintable(QSysInfo::prettyProductName()));
        if (!classOnly) {
            clicks = benchClicks(repetitions);
            const std::vector<ClickFigure> working = benchWorking(repetitions);
            clicks.insert(clicks.end(), working.begin(), working.end());
            const std::vector<ClickFigure> posed = benchPosed(repetitions);
            clicks.insert(clicks.end(), posed.begin(), posed.end());
            const std::vector<ClickFigure> paper = benchPaper(repetitions);
            clicks.insert(clicks.end(), paper.begin(), paper.end());
        }
        const std::vector<ClickFigure> classes = benchClass(repetitions);
        clicks.insert(clicks.end(), classes.begin(), classes.end());
    }
    std::printf("| Click, to the end of its repaint | median (ms) | slowest (ms) | repetitions |\n");
    std::printf("|---|---:|---:|---:|\n");
    for (const ClickFigure& figure : clicks)
        std::printf("| %s | %.3f | %.3f | %d |\n", qPrintable(figure.action), figure.medianMs, figure.worstMs,
                    figure.repetitions);
    if (classOnly)
        return 0;

    const std::vector<ProbeFigures> startup = benchStartup(QString::fromLocal8Bit(argv[0]), runs);
    std::printf("\n| Start-up, %d runs of each, in turn | first painted frame, median (ms) | numbering-rods / this "
                "(median of ratios) | peak resident memory, median (KiB) | numbering-rods / this |\n",
                runs);
    std::printf("|---|---:|---:|---:|---:|\n");
    for (const ProbeFigures& probe : startup)
        std::printf("| %s | %.1f | %.3f | %.0f | %.3f |\n", qPrintable(probe.name), probe.medianMs, probe.ratio,
                    probe.peakKiB, startup.front().peakKiB / probe.peakKiB);
    return 0;
}
