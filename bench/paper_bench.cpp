#include "paper_bench.h"

#include "paper/paper_files.h"
#include "statistics.h"
#include "tutor/problems/worksheet.h"
#include "tutor/session/lesson.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

namespace {

ClickFigure timed(const QString& action, int repetitions, const std::function<void()>& write)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        write();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return {action, median(times), *std::max_element(times.begin(), times.end()), repetitions};
}

void check(const rods::PaperOutcome& outcome)
{
    if (!outcome.written)
        qFatal("%s", qPrintable(outcome.error));
}

} // namespace

std::vector<ClickFigure> benchPaper(int repetitions)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath("bench.pdf");
    const int times = std::max(1, repetitions / 10);
    std::vector<ClickFigure> figures;
    const rods::Level& largest = rods::levels(rods::Operation::Multiply).back();
    figures.push_back(timed("Worksheet of 40 problems of level 10 of × with its key, to PDF", times, [&] {
        const rods::Worksheet sheet = rods::levelWorksheet(largest, 4711, rods::MostOnWorksheet);
        check(rods::savePdf(pdf, [&sheet](QPagedPaintDevice& device) { return rods::paintWorksheet(device, sheet); }));
    }));
    const rods::Level& longestDivision = rods::levels(rods::Operation::Divide).back();
    figures.push_back(timed("Worksheet of 40 divisions of level 10 with its key, to PDF", times, [&] {
        const rods::Worksheet sheet = rods::levelWorksheet(longestDivision, 4711, rods::MostOnWorksheet);
        check(rods::savePdf(pdf, [&sheet](QPagedPaintDevice& device) { return rods::paintWorksheet(device, sheet); }));
    }));
    const rods::Lesson product = rods::Lesson::ofProblem(*rods::readProblem("98765432 × 123456").problem);
    figures.push_back(
        timed("Whole working of 98765432 × 123456, to PDF", times, [&] { check(rods::saveWorking(pdf, product)); }));
    const rods::Lesson division = rods::Lesson::ofProblem(*rods::readProblem("999999999999999 ÷ 98765432").problem);
    figures.push_back(timed("Whole working of 999999999999999 ÷ 98765432, to PDF", times,
                            [&] { check(rods::saveWorking(pdf, division)); }));
    figures.push_back(timed("Step shown of 98765432 × 123456, to PNG", times,
                            [&] { check(rods::saveWorking(folder.filePath("bench.png"), product)); }));
    return figures;
}
