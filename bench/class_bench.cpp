#include "class_bench.h"

#include "paint_counter.h"
#include "statistics.h"
#include "tutor/problems/problem_sets.h"
#include "tutor/progress/progress_record.h"
#include "working_window/class_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

constexpr int Pupils = 30;
constexpr int RecordsEach = 1000;
constexpr int Sets = 5;

// A term of a busy class: every level of × and ÷, a few sets of each, slips
// of every kind, some problems skipped, over three months.
void writeClass(const QString& data)
{
    std::vector<std::vector<rods::Problem>> sets;
    for (const rods::Operation operation : {rods::Operation::Multiply, rods::Operation::Divide})
        for (const rods::Level& level : rods::levels(operation))
            for (int set = 1; set <= Sets; ++set)
                sets.push_back(rods::problemSet(level, set));
    const int levelsEach = int(rods::levels(rods::Operation::Multiply).size());
    for (int pupil = 0; pupil < Pupils; ++pupil) {
        const QString folder = QString("%1/pupils/pupil-%2").arg(data).arg(pupil);
        QDir().mkpath(folder);
        std::string contents = rods::pupilLine("Pupil " + std::to_string(pupil + 1));
        for (int i = 0; i < RecordsEach; ++i) {
            rods::ProgressRecord record;
            const int day = i * 90 / RecordsEach;
            char time[64];
            std::snprintf(time, sizeof time, "2026-%02d-%02dT10:%02d:00+01:00", 9 + day / 30, 1 + day % 30, i % 60);
            record.time = time;
            const int operation = (i + pupil) % 2, level = 1 + (i / 7 + pupil) % levelsEach, set = 1 + i % Sets;
            record.source = rods::ProblemSource::Level;
            record.level = level;
            record.set = set;
            record.problem =
                sets.at(std::size_t((operation * levelsEach + level - 1) * Sets + set - 1)).at(std::size_t(i % 10));
            record.skipped = (i + pupil) % 37 == 0;
            record.steps = 4 + i % 9;
            record.rightFirst = record.steps - (i + pupil) % 4;
            record.slips[std::size_t((i + pupil) % rods::SlipKinds)] = (i + pupil) % 4;
            contents += rods::recordLine(record);
        }
        QFile file(folder + "/progress.tsv");
        if (!file.open(QIODevice::WriteOnly)
            || file.write(contents.data(), qint64(contents.size())) != qint64(contents.size()))
            qFatal("cannot write the class's files");
    }
}

double openClass(const QString& data)
{
    QElapsedTimer timer;
    timer.start();
    auto window = std::make_unique<rods::ClassWindow>(data.toStdString());
    PaintCounter counter;
    QWidget* table = window->findChild<QTableView*>("ClassPupils")->viewport();
    table->installEventFilter(&counter);
    window->show();
    while (counter.paints == 0 && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    // Every record read: a row per pupil, and no line left unread.
    if (window->findChild<QTableView*>("ClassPupils")->model()->rowCount() != Pupils
        || window->findChild<QPlainTextEdit*>("ClassNotice")->isVisible())
        qFatal("the Class window does not show the class");
    table->removeEventFilter(&counter);
    return ms;
}

} // namespace

std::vector<ClickFigure> benchClass(int repetitions)
{
    QTemporaryDir data;
    writeClass(data.path());
    std::vector<ClickFigure> figures;
    const double first = openClass(data.path());
    figures.push_back({"Class window, 30 pupils of 1,000 records, first open in the process", first, first, 1});
    std::vector<double> opens;
    const int times = std::max(repetitions / 10, 5);
    for (int i = 0; i < times; ++i)
        opens.push_back(openClass(data.path()));
    figures.push_back({"Class window, 30 pupils of 1,000 records, opened afresh", median(opens),
                       *std::max_element(opens.begin(), opens.end()), times});
    return figures;
}
