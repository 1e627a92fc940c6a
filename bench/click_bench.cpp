#include "click_bench.h"

#include "statistics.h"
#include "window/form1.h"
#include "window/text_box.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <functional>

using rods::Form1;

namespace {

// Runs `prepare` untimed, then times `act` up to the end of the repaint.
ClickFigure measure(const QString& action, int repetitions, const std::function<void()>& prepare,
                    const std::function<void()>& act)
{
    std::vector<double> times;
    times.reserve(std::size_t(repetitions));
    for (int i = 0; i < repetitions; ++i) {
        prepare();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        act();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return {action, median(times), *std::max_element(times.begin(), times.end()), repetitions};
}

void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void placeRods(Form1& window, int count)
{
    rods::FormControls& controls = window.controls();
    click(controls.command5);
    controls.text1->QLineEdit::setText("7");
    for (int i = 0; i < count; ++i)
        click(controls.command1);
}

} // namespace

std::vector<ClickFigure> benchClicks(int repetitions)
{
    Form1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("the window was never exposed");
    rods::FormControls& controls = window.controls();
    std::vector<ClickFigure> figures;

    for (int rods = 1; rods <= 8; ++rods)
        figures.push_back(measure(
            QString("OK, rod %1").arg(rods), repetitions, [&] { placeRods(window, rods - 1); },
            [&] { click(controls.command1); }));
    figures.push_back(measure(
        "Done when finished, 8 rods", repetitions, [&] { placeRods(window, 8); }, [&] { click(controls.command2); }));
    figures.push_back(measure(
        "GO, 8 rods", repetitions,
        [&] {
            placeRods(window, 8);
            for (std::size_t box = 1; box <= 6; ++box)
                controls.text4[box]->QLineEdit::setText("9");
        },
        [&] { click(controls.command4); }));
    figures.push_back(measure(
        "Clear, 8 rods after Done and GO", repetitions,
        [&] {
            placeRods(window, 8);
            click(controls.command2);
            click(controls.command4);
        },
        [&] { click(controls.command5); }));

    // Refusing a pasted megabyte, which the box cuts short: the press itself,
    // not the paste.
    const QString megabyte(1 << 20, '7');
    auto paste = [](QLineEdit* box, const QString& text) {
        box->selectAll();
        box->insert(text);
    };
    figures.push_back(measure(
        "OK refusing a 1 MB entry", std::max(repetitions / 10, 5),
        [&] {
            placeRods(window, 0);
            paste(controls.text1, megabyte);
        },
        [&] { click(controls.command1); }));
    figures.push_back(measure(
        "GO refusing a 1 MB box", std::max(repetitions / 10, 5),
        [&] {
            placeRods(window, 8);
            paste(controls.text4[3], QString(1 << 20, 'x'));
        },
        [&] { click(controls.command4); }));
    controls.text4[3]->QLineEdit::setText("0");
    return figures;
}
