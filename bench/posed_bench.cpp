#include "posed_bench.h"

#include "statistics.h"
#include "tutor/problems/problem_sets.h"
#include "tutor/progress/progress_file.h"
#include "window/form1.h"
#include "working_window/problem_picker.h"
#include "working_window/progress_window.h"
#include "working_window/working_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// From the click to the end of the repaints it asked for.
double clickAndPaint(QPushButton* button)
{
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

ClickFigure newProblems(const QString& action, rods::WorkingWindow& working, rods::Operation operation, int repetitions)
{
    working.picker()->chooseLevel(operation, 10, 4711);
    auto* button = working.findChild<QPushButton*>("NewProblem");
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i)
        times.push_back(clickAndPaint(button));
    return {action, median(times), *std::max_element(times.begin(), times.end()), repetitions};
}

} // namespace

std::vector<ClickFigure> benchPosed(int repetitions)
{
    QTemporaryDir data;
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());

    std::vector<ClickFigure> figures;
    rods::Form1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was never exposed");
    window.askForProblem(rods::Operation::Multiply, {});
    rods::WorkingWindow& working = *window.workingWindow();
    if (!QTest::qWaitForWindowExposed(&working))
        qFatal("the Working window was never exposed");
    figures.push_back(
        newProblems("New problem, level 10 of × (8 rods × 6 digits)", working, rods::Operation::Multiply, repetitions));
    figures.push_back(newProblems("New problem, level 10 of ÷ (8-digit divisor into 15 digits)", working,
                                  rods::Operation::Divide, repetitions));

    // 10,000 records of problems from every level, as a busy year leaves.
    const rods::ProgressFile file(rods::progressFolder());
    rods::ProgressRecord record;
    record.time = "2026-12-07T19:12:02+01:00";
    record.source = rods::ProblemSource::Level;
    record.set = 4711;
    for (int i = 0; i < 10'000; ++i) {
        const auto operation = i % 2 ? rods::Operation::Multiply : rods::Operation::Divide;
        record.level = 1 + i % 10;
        record.problem = rods::problemSet(*rods::findLevel(operation, record.level), 4711).at(std::size_t(i % 10));
        record.steps = 6;
        record.rightFirst = i % 7;
        record.slips = {};
        record.slips[static_cast<std::size_t>(i % rods::SlipKinds)] = 1 + i % 3;
        if (!file.append(record).empty())
            qFatal("cannot write the records");
    }
    auto* progress = working.findChild<QPushButton*>("Progress");
    std::vector<double> opens;
    for (int i = 0; i < std::max(1, repetitions / 10); ++i) {
        if (auto* shown = working.findChild<rods::ProgressWindow*>())
            shown->close();
        QCoreApplication::processEvents();
        opens.push_back(clickAndPaint(progress));
    }
    figures.push_back({"Progress window with 10,000 records, first open", opens.front(), opens.front(), 1});
    opens.erase(opens.begin());
    if (!opens.empty())
        figures.push_back({"Progress window with 10,000 records, opened again", median(opens),
                           *std::max_element(opens.begin(), opens.end()), int(opens.size())});
    if (dataHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", dataHome);
    return figures;
}
