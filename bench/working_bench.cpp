#include "working_bench.h"

#include "paint_counter.h"
#include "statistics.h"
#include "window/form1.h"
#include "window/text_box.h"
#include "working_window/working_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

using rods::Form1;

namespace {

std::unique_ptr<Form1> largestProblem()
{
    auto window = std::make_unique<Form1>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("the window was never exposed");
    rods::FormControls& controls = window->controls();
    controls.text1->QLineEdit::setText("9");
    for (int i = 0; i < 8; ++i)
        QTest::mouseClick(controls.command1, Qt::LeftButton);
    controls.text4[6]->QLineEdit::setText("999999999999999");
    QTest::mouseClick(controls.command4, Qt::LeftButton);
    QCoreApplication::processEvents();
    return window;
}

// From the double-click on the product to the end of the Working window's
// first paint.
double openWorking(Form1& window)
{
    QListWidget* list = window.controls().list1;
    const QPoint middle = list->visualItemRect(list->item(0)).center();
    PaintCounter counter;
    QElapsedTimer timer;
    timer.start();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, middle);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, middle);
    rods::WorkingWindow* working = window.workingWindow();
    if (working == nullptr)
        qFatal("the Working window did not open");
    working->installEventFilter(&counter);
    while (counter.paints == 0 && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    working->removeEventFilter(&counter);
    return ms;
}

ClickFigure stepFigure(const QString& action, rods::WorkingWindow& working, int repetitions, int from, int to)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        working.goToStep(from);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(working.findChild<QPushButton*>(to > from ? "Next" : "Previous"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return {action, median(times), *std::max_element(times.begin(), times.end()), repetitions};
}

// From Enter in the answer box to the end of the repaint, for wrong answers
// that alternate, so that each check gives a new hint and a new mark.
ClickFigure checkFigure(const QString& action, rods::WorkingWindow& working, int repetitions,
                        const QStringList& wrongAnswers)
{
    auto* box = working.findChild<QLineEdit*>("Answer");
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        box->setText(wrongAnswers.at(i % wrongAnswers.size()));
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(box, Qt::Key_Return);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return {action, median(times), *std::max_element(times.begin(), times.end()), repetitions};
}

} // namespace

std::vector<ClickFigure> benchWorking(int repetitions)
{
    std::vector<ClickFigure> figures;
    std::unique_ptr<Form1> window = largestProblem();
    const double first = openWorking(*window);
    figures.push_back({"Working window, first open in the process", first, first, 1});

    std::vector<double> opens;
    const int fresh = std::max(repetitions / 10, 5);
    for (int i = 0; i < fresh; ++i) {
        std::unique_ptr<Form1> another = largestProblem();
        opens.push_back(openWorking(*another));
    }
    figures.push_back({"Working window, first open in a new main window", median(opens),
                       *std::max_element(opens.begin(), opens.end()), fresh});

    rods::WorkingWindow& working = *window->workingWindow();
    figures.push_back(stepFigure("Working window, Next (step 1 to 2)", working, repetitions, 0, 1));
    figures.push_back(stepFigure("Working window, Next (to the last step)", working, repetitions, 14, 15));
    figures.push_back(stepFigure("Working window, Previous (step 2 to 1)", working, repetitions, 1, 0));

    // 99999999 x 9 = 899999991; 99999999 x 999999999999999 has 23 digits.
    working.findChild<QCheckBox*>("WorkItYourself")->setChecked(true);
    QCoreApplication::processEvents();
    figures.push_back(checkFigure("Work it yourself, check and hint (a row)", working, repetitions,
                                  {"899999981", "8999991", "799999991"}));
    for (int step = 0; step < working.stepCount() - 1; ++step) {
        QTest::mouseClick(working.findChild<QPushButton*>("ShowAnswer"), Qt::LeftButton);
        QTest::mouseClick(working.findChild<QPushButton*>("Next"), Qt::LeftButton);
    }
    QCoreApplication::processEvents();
    figures.push_back(checkFigure("Work it yourself, check and hint (the sum)", working, repetitions,
                                  {"99999998999999900000011", "99999998899999900000001"}));
    working.findChild<QCheckBox*>("WorkItYourself")->setChecked(false);

    // The largest division: 15 nines by the rods 98765432, from the call to
    // the end of the Working window's first paint, in a fresh main window.
    const rods::Problem largest{rods::Operation::Divide, {9, 8, 7, 6, 5, 4, 3, 2}, 999'999'999'999'999};
    std::vector<double> divisions;
    for (int i = 0; i < fresh; ++i) {
        std::unique_ptr<Form1> another = largestProblem();
        PaintCounter counter;
        QElapsedTimer timer;
        timer.start();
        another->workProblem(largest);
        another->workingWindow()->installEventFilter(&counter);
        while (counter.paints == 0 && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        divisions.push_back(double(timer.nsecsElapsed()) / 1e6);
        another->workingWindow()->removeEventFilter(&counter);
    }
    figures.push_back({"Division, 15 digits by 8, opened in a new main window", median(divisions),
                       *std::max_element(divisions.begin(), divisions.end()), fresh});
    window->workProblem(largest);
    QCoreApplication::processEvents();
    figures.push_back(stepFigure("Division, Next (step 2 to 3)", working, repetitions, 1, 2));
    figures.push_back(stepFigure("Division, Next (to the result)", working, repetitions, working.stepCount() - 2,
                                 working.stepCount() - 1));
    // The first part, 99999999, holds 98765432 once: 3 and 5, typed in
    // turn, are too big, and each gets its hint and its row lit.
    working.findChild<QCheckBox*>("WorkItYourself")->setChecked(true);
    working.goToStep(1);
    QCoreApplication::processEvents();
    figures.push_back(checkFigure("Division, check and hint (how many times)", working, repetitions, {"3", "5"}));
    working.findChild<QCheckBox*>("WorkItYourself")->setChecked(false);
    return figures;
}
