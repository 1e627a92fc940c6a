// The Working window, driven as a learner drives it: products opened from the
// list by double-click, Enter and the context menu; steps by keys and
// buttons; copying; the picture's highlighted row read back from its pixels.
#include "tutor/problems/problem.h"
#include "window/window_driver.h"
#include "working_window/column_lines.h"
#include "working_window/column_marks.h"
#include "working_window/numbers_in.h"
#include "working_window/rods_picture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

#include <map>

using namespace rods;

namespace {

// 307 x 12, worked by hand.
// 307 x 12, worked by hand: the numbers each step says. Row 2 reads the
// cells 0|6 0|0 1|4 from the right: 4, then 0 + 1 = 1, then 6 + 0 = 6.
const QStringList Units307x12{"12", "2", "2", "7", "4", "0", "7",   "0", "1",
                              "1",  "3", "0", "6", "0", "6", "307", "2", "614"};
const QStringList Tens307x12{"12", "1", "1", "7", "7", "0",   "7", "0",   "0",   "0",
                             "3",  "0", "3", "0", "3", "307", "1", "307", "3070"};
// Carry where a column makes 10 or more: 614 + 3070 = 3684.
const QStringList Sum307x12{"10", "307", "12", "3684"};
const QList<QStringList> Columns307x12{{"4", "0", "4"}, {"1", "7", "8"}, {"6", "0", "6"}, {"3"}};

QString labelText(WorkingWindow* window, const char* name)
{
    if (auto* label = window->findChild<QLabel*>(name))
        return label->text();
    if (auto* figures = window->findChild<ColumnMarks*>(name))
        return figures->text();
    return window->findChild<QPlainTextEdit*>(name)->toPlainText();
}
QPushButton* button(WorkingWindow* window, const char* name) { return window->findChild<QPushButton*>(name); }

void work307x12(WindowDriver& driver)
{
    driver.enterRods("307");
    driver.pressDone();
    driver.setMultiplicand("000012");
    driver.pressGo();
}

// The colour at a point of the picture given in board twips.
QColor colourAt(RodsPicture* picture, const QImage& image, double x, double y)
{
    const QPointF at = picture->toWidget(x, y) * picture->devicePixelRatioF();
    return image.pixelColor(at.toPoint());
}

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 60;
}

// Found from the pixels alone: the rods' frame (the box of every pixel in the
// text colour) and the lit band above the rods' bottom (the box of every
// highlight pixel there), and how many lit cells stand side by side.
struct LitRow {
    QRect rods;
    QRect band;
    int cells = 0;
};

LitRow findLitRow(const QImage& image, const QColor& text, const QColor& highlight)
{
    LitRow found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixelColor(x, y), text))
                found.rods |= QRect(x, y, 1, 1);
    // The lit row, seen inside the first rod, clear of the digits of the
    // diagonals under it, which stand over the gaps between the rods: the
    // first rod's inside runs from 265 to 665 of the 4020 twips that three
    // rods and the index rod span.
    const int from = found.rods.left() + found.rods.width() * 8 / 100;
    const int to = found.rods.left() + found.rods.width() * 15 / 100;
    for (int y = found.rods.top(); y <= found.rods.bottom(); ++y)
        for (int x = from; x <= to; ++x)
            if (image.pixelColor(x, y) == highlight)
                found.band |= QRect(x, y, 1, 1);
    std::vector<bool> litColumn(std::size_t(image.width()), false);
    for (int y = found.band.top(); y <= found.band.bottom(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == highlight)
                litColumn[std::size_t(x)] = true;
    // Cells are told apart by the unlit gaps between the rods.
    for (std::size_t x = 0; x < litColumn.size(); ++x)
        if (litColumn[x] && (x == 0 || !litColumn[x - 1]))
            ++found.cells;
    return found;
}

} // namespace

class TestWorkingWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensByDoubleClickEnterAndMenu();
    void stepsByKeysAndButtons();
    void copiesTheWorkingAndTheProduct();
    void productsRememberTheirFactors();
    void saysWhyThereIsNoWorking_data();
    void saysWhyThereIsNoWorking();
    void pictureHighlightsTheRow_data();
    void pictureHighlightsTheRow();
    void mainWindowKeepsItsKeys();
    void numbersStayLeftToRight();
    void zoomsTheWholeWindow();
    void dividesWithTheRods();
    void worksATypedProblem();
    void fitsASmallScreen_data();
    void fitsASmallScreen();
};

void TestWorkingWindow::opensByDoubleClickEnterAndMenu()
{
    WindowDriver driver;
    QVERIFY(driver.window().workingWindow() == nullptr); // nothing made before it is asked for
    work307x12(driver);
    QListWidgetItem* item = driver.controls().list1->item(0);
    QCOMPARE(item->text(), QString("3684"));
    QCOMPARE(item->toolTip(), QString("307 × 12 = 3684"));
    QCOMPARE(item->data(Qt::AccessibleDescriptionRole).toString(), QString("307 × 12 = 3684"));

    WorkingWindow* working = driver.doubleClickProduct(0);
    QVERIFY(working != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(working));
    QCOMPARE(working->windowTitle(), QString("Working: 307 × 12"));
    QCOMPARE(labelText(working, "StepCounter"), QString("Step 1 of 3"));
    QCOMPARE(numbersIn(labelText(working, "Explanation")), Units307x12);

    QTest::keyClick(working, Qt::Key_Escape);
    QVERIFY(!working->isVisible());
    QCOMPARE(driver.enterOnProduct(0), working);
    QVERIFY(working->isVisible());
    QCOMPARE(numbersIn(labelText(working, "Explanation")), Units307x12);

    // The context menu's first entry shows the working too.
    working->close();
    QListWidget* list = driver.controls().list1;
    const QPoint middle = list->visualItemRect(item).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, middle, list->viewport()->mapToGlobal(middle));
    QApplication::sendEvent(list->viewport(), &event);
    auto* menu = list->findChild<QMenu*>("ProductMenu");
    QVERIFY(menu != nullptr && menu->isVisible());
    QCOMPARE(menu->actions().at(0)->text(), QString("Show the working"));
    QCOMPARE(menu->actions().at(1)->text(), QString("Copy"));
    menu->actions().at(0)->trigger();
    menu->close();
    QVERIFY(working->isVisible());
}

void TestWorkingWindow::stepsByKeysAndButtons()
{
    WindowDriver driver;
    work307x12(driver);
    WorkingWindow* working = driver.doubleClickProduct(0);
    QVERIFY(QTest::qWaitForWindowExposed(working));
    auto shows = [working](const QStringList& counter, const QStringList& explanation) {
        return numbersIn(labelText(working, "StepCounter")) == counter
               && numbersIn(labelText(working, "Explanation")) == explanation;
    };
    // Each row appears at its step; the total only at the adding step.
    QCOMPARE(labelText(working, "LongMultiplication"), QString(" 307\n× 12\n----\n 614"));
    QVERIFY(!button(working, "Previous")->isEnabled());

    QTest::keyClick(working, Qt::Key_Right);
    QVERIFY(shows({"2", "3"}, Tens307x12));
    QCOMPARE(labelText(working, "LongMultiplication"), QString(" 307\n× 12\n----\n 614\n3070"));
    QTest::keyClick(working, Qt::Key_PageDown);
    QVERIFY(shows({"3", "3"}, Sum307x12));
    QCOMPARE(labelText(working, "LongMultiplication"), QString(" 307\n× 12\n----\n 614\n3070\n----\n3684"));
    // The adding step shows its columns, one line each, where the rods were.
    auto* columns = working->findChild<ColumnLines*>("Columns");
    QVERIFY(columns->isVisible());
    QCOMPARE(columns->lines().size(), Columns307x12.size());
    for (int i = 0; i < Columns307x12.size(); ++i)
        QCOMPARE(numbersIn(columns->lines().at(i)), Columns307x12.at(i));
    // Shown, a screen reader reads them all; hidden, nothing.
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(columns);
    QVERIFY(!spoken->text(QAccessible::Name).isEmpty());
    QCOMPARE(numbersIn(spoken->text(QAccessible::Description)),
             Columns307x12.at(0) + Columns307x12.at(1) + Columns307x12.at(2) + Columns307x12.at(3));
    QTest::keyClick(working, Qt::Key_PageUp);
    QVERIFY(shows({"2", "3"}, Tens307x12));
    QVERIFY(!columns->isVisible());
    QCOMPARE(spoken->text(QAccessible::Name), QString());
    QCOMPARE(spoken->text(QAccessible::Description), QString());
    QTest::keyClick(working, Qt::Key_Right, Qt::AltModifier);
    QVERIFY(shows({"3", "3"}, Sum307x12));
    QVERIFY(!button(working, "Next")->isEnabled());
    QTest::keyClick(working, Qt::Key_Right); // past the end: stays
    QVERIFY(shows({"3", "3"}, Sum307x12));
    QTest::keyClick(working, Qt::Key_Home);
    QVERIFY(shows({"1", "3"}, Units307x12));
    QTest::keyClick(working, Qt::Key_Left); // before the start: stays
    QVERIFY(shows({"1", "3"}, Units307x12));
    QTest::keyClick(working, Qt::Key_End);
    QVERIFY(shows({"3", "3"}, Sum307x12));
    QTest::keyClick(working, Qt::Key_Left);
    QVERIFY(shows({"2", "3"}, Tens307x12));
    QTest::mouseClick(button(working, "Previous"), Qt::LeftButton);
    QVERIFY(shows({"1", "3"}, Units307x12));
}

void TestWorkingWindow::copiesTheWorkingAndTheProduct()
{
    WindowDriver driver;
    work307x12(driver);
    QListWidget* list = driver.controls().list1;
    list->setFocus();
    list->setCurrentRow(0);
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(list, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("3684"));

    WorkingWindow* working = driver.doubleClickProduct(0);
    QVERIFY(QTest::qWaitForWindowExposed(working));
    QTest::keySequence(working, QKeySequence::Copy);
    // The long multiplication as it stands, then a line per step (its
    // number, then what it says), then the adding step's columns.
    const QStringList copied = QGuiApplication::clipboard()->text().split('\n');
    QCOMPARE(copied.mid(0, 8), QString(" 307\n× 12\n----\n 614\n3070\n----\n3684\n").split('\n'));
    QCOMPARE(copied.size(), 8 + 3 + 4 + 1);
    QCOMPARE(numbersIn(copied.at(8)), QStringList({"1", "3"}) + Units307x12);
    QCOMPARE(numbersIn(copied.at(9)), QStringList({"2", "3"}) + Tens307x12);
    QCOMPARE(numbersIn(copied.at(10)), QStringList({"3", "3"}) + Sum307x12);
    for (int i = 0; i < Columns307x12.size(); ++i)
        QCOMPARE(numbersIn(copied.at(11 + i)), Columns307x12.at(i));
    QCOMPARE(copied.last(), QString());
}

void TestWorkingWindow::productsRememberTheirFactors()
{
    WindowDriver driver;
    work307x12(driver);
    driver.enterRod("5");
    driver.setMultiplicand("000003");
    driver.pressGo();
    QCOMPARE(driver.listItems(), QStringList({"3684", "9225"}));

    WorkingWindow* working = driver.doubleClickProduct(0);
    QCOMPARE(working->windowTitle(), QString("Working: 307 × 12"));
    QCOMPARE(driver.doubleClickProduct(1), working); // one window, refilled
    QCOMPARE(working->windowTitle(), QString("Working: 3075 × 3"));
    // 3075 x 3: the cells 0|9, 0|0, 2|1, 1|5.
    QCOMPARE(numbersIn(labelText(working, "Explanation")),
             QStringList({"3", "3", "3", "5", "5", "7", "5",    "1", "1",    "2", "0",    "7", "0",   "2",
                          "2", "3", "0", "9", "0", "9", "3075", "3", "9225", "0", "3075", "3", "9225"}));
    QTest::keyClick(working, Qt::Key_End);

    // Clear and GO leave the open window as it is.
    driver.pressClear();
    driver.pressGo();
    QVERIFY(working->isVisible());
    QCOMPARE(working->windowTitle(), QString("Working: 3075 × 3"));
    QCOMPARE(labelText(working, "StepCounter"), QString("Step 1 of 1"));
    // The product of no rods has no reading, and says so.
    QCOMPARE(driver.doubleClickProduct(0), working);
    QCOMPARE(working->windowTitle(), QString("Working: 0 × 3"));
}

void TestWorkingWindow::saysWhyThereIsNoWorking_data()
{
    QTest::addColumn<QString>("rods");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no rods") << ""
                             << "12"
                             << "0 × 12 = 0\nThere are no rods on the board, so the multiplier is 0 and the product is "
                                "0: there is no row of the rods to read.";
    QTest::newRow("a fraction") << "307"
                                << "2.5"
                                << "307 × 2.5 = 767.5\nThe multiplicand 2.5 is not a whole number. The rods are read "
                                   "one whole digit at a time, so there is no step-by-step reading for it.";
    QTest::newRow("negative") << "4"
                              << "-3"
                              << "4 × -3 = -12\nThe multiplicand -3 is less than 0. The rods are read step by step "
                                 "for whole numbers from 0 up.";
    QTest::newRow("too many digits") << "4"
                                     << "1E+20"
                                     << "4 × 1E+20 = 4E+20\nThe multiplicand 1E+20 has more than 15 digits. The rods "
                                        "are read step by step for multiplicands up to 999,999,999,999,999.";
}

void TestWorkingWindow::saysWhyThereIsNoWorking()
{
    QFETCH(QString, rods);
    QFETCH(QString, units);
    WindowDriver driver;
    driver.enterRods(rods);
    driver.setMultiplicand(QStringList({"0", "0", "0", "0", "0", units}));
    driver.pressGo();
    WorkingWindow* working = driver.enterOnProduct(0);
    QVERIFY(working != nullptr);
    QTEST(labelText(working, "Explanation"), "expected");
    QCOMPARE(working->stepCount(), 0);
    QVERIFY(!button(working, "Next")->isVisible());
    QTest::keyClick(working, Qt::Key_Right); // nothing to step to
    QTEST(labelText(working, "Explanation"), "expected");
}

void TestWorkingWindow::pictureHighlightsTheRow_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light palette") << false;
    QTest::newRow("dark palette") << true;
}

void TestWorkingWindow::pictureHighlightsTheRow()
{
    QFETCH(bool, dark);
    const QPalette original = QApplication::palette();
    if (dark) {
        QPalette palette;
        palette.setColor(QPalette::Base, QColor(30, 30, 30));
        palette.setColor(QPalette::Window, QColor(45, 45, 45));
        palette.setColor(QPalette::Text, QColor(235, 235, 235));
        palette.setColor(QPalette::WindowText, QColor(235, 235, 235));
        palette.setColor(QPalette::Highlight, QColor(200, 120, 0));
        palette.setColor(QPalette::HighlightedText, QColor(0, 0, 0));
        QApplication::setPalette(palette);
    }
    WindowDriver driver;
    work307x12(driver);
    WorkingWindow* working = driver.doubleClickProduct(0);
    QVERIFY(QTest::qWaitForWindowExposed(working));
    auto* picture = working->findChild<RodsPicture*>();
    const QColor highlight = picture->palette().color(QPalette::Highlight);
    const QColor base = picture->palette().color(QPalette::Base);

    // Step 1 reads row 2 (the units digit of 12): cells 0|6, 0|0, 1|4.
    const QString description = QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Description);
    QVERIFY2(description.contains("Row 2 is highlighted; its cells, tens and units: 0 and 6, 0 and 0, 1 and 4."),
             qPrintable(description));
    QVERIFY2(description.contains("Its diagonals give, from the right: 4, 1, 6."), qPrintable(description));

    for (int step : {0, 1}) {
        working->goToStep(step);
        const int row = step == 0 ? 2 : 1;
        const QImage image = picture->grab().toImage();
        // Every rod and the index rod (slot 3) is lit in the row read, and in
        // no other row; the points avoid the digits and the lines.
        for (int slot = 0; slot <= 3; ++slot) {
            // Rods 930 twips wide on a pitch of 1030; rows 700 high from
            // y 200, row 0 the header.
            const double left = 1030.0 * slot;
            for (int r : {row - 1, row, row + 1}) {
                // The rows below the lit row stand a band of 700 lower.
                const double top = 200.0 + 700 * r + (r > row ? 700 : 0);
                const QColor seen = slot < 3 ? colourAt(picture, image, left + 100, top + 300)
                                             : colourAt(picture, image, left + 150, top + 350);
                const QColor expected = r == row ? highlight : base;
                QVERIFY2(
                    seen == expected,
                    qPrintable(QString("step %1, slot %2, row %3: %4").arg(step).arg(slot).arg(r).arg(seen.name())));
            }
        }
        // The same from the pixels alone: four lit cells (three rods and the
        // index rod) filling the eleventh of the rods' height that row r
        // takes (ten rows and the band of digits), below the header cell and
        // r - 1 rows.
        const LitRow lit = findLitRow(image, picture->palette().color(QPalette::Text), highlight);
        QCOMPARE(lit.cells, 4);
        const double height = lit.rods.height();
        QVERIFY2(
            std::abs((lit.band.top() - lit.rods.top()) / height - row / 11.0) < 0.01,
            qPrintable(
                QString("band from %1, rods %2 to %3").arg(lit.band.top()).arg(lit.rods.top()).arg(lit.rods.bottom())));
        QVERIFY2(std::abs(lit.band.height() / height - 1 / 11.0) < 0.01,
                 qPrintable(QString::number(lit.band.height())));
        // Right under the lit row, over the gap where each diagonal ends, the
        // digit it gives stands in a disc: the first diagonal's at the gap
        // left of the index rod.
        QCOMPARE(colourAt(picture, image, 3 * 1030 - 50 - 200, 200.0 + 700 * (row + 1) + 350), highlight);
        // The diagonal of the first rod's lit cell crosses its middle in the
        // text colour, not the highlight: a pixel of it within one of the
        // middle, wherever the scale puts the line.
        const double top = 200.0 + 700 * row;
        const QPoint middle = (picture->toWidget(930 / 2.0, top + 700 / 2.0) * picture->devicePixelRatioF()).toPoint();
        bool crossed = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                crossed = crossed || image.pixelColor(middle + QPoint(dx, dy)) != highlight;
        QVERIFY(crossed);
    }
    QApplication::setPalette(original);
}

void TestWorkingWindow::mainWindowKeepsItsKeys()
{
    WindowDriver driver;
    work307x12(driver);
    WorkingWindow* working = driver.doubleClickProduct(0);
    QVERIFY(QTest::qWaitForWindowExposed(working));
    driver.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&driver.window()));
    // The main window's focus chain still closes on itself.
    driver.controls().command5->setFocus();
    QTest::keyClick(driver.controls().command5, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), driver.controls().text1);
    // Enter and Escape in the list press none of the main window's buttons.
    driver.controls().list1->setFocus();
    QTest::keyClick(driver.controls().list1, Qt::Key_Escape);
    QTest::keyClick(driver.controls().list1, Qt::Key_Return);
    QCOMPARE(driver.listItems(), QStringList({"3684"}));
    QCOMPARE(int(driver.board().RodCount()), 3);
}

void TestWorkingWindow::numbersStayLeftToRight()
{
    // The layout an Arabic or Hebrew desktop gives.
    QApplication::setLayoutDirection(Qt::RightToLeft);
    WindowDriver driver;
    work307x12(driver);
    WorkingWindow* working = driver.doubleClickProduct(0);
    QVERIFY(QTest::qWaitForWindowExposed(working));
    QCOMPARE(working->layoutDirection(), Qt::RightToLeft);
    auto* picture = working->findChild<RodsPicture*>();
    const QImage image = picture->grab().toImage();
    const QColor digits = picture->palette().color(QPalette::HighlightedText);
    // Row 2 is lit: in each of its cells (0|6, 0|0, 1|4 and the index rod's
    // 2), digits in the highlighted text's colour, inside the cell.
    for (int slot = 0; slot <= 3; ++slot) {
        const QRect cell = QRectF(picture->toWidget(1030.0 * slot, 1600) * picture->devicePixelRatioF(),
                                  picture->toWidget(1030.0 * slot + 930, 2300) * picture->devicePixelRatioF())
                               .toRect();
        int seen = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                seen += near(image.pixelColor(x, y), digits) ? 1 : 0;
        QVERIFY2(seen > 4, qPrintable(QString("no digits in the lit cell of slot %1").arg(slot)));
    }
    // The long multiplication keeps its figures' order.
    QCOMPARE(working->findChild<QWidget*>("LongMultiplication")->layoutDirection(), Qt::LeftToRight);
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

void TestWorkingWindow::zoomsTheWholeWindow()
{
    WindowDriver driver;
    work307x12(driver);
    WorkingWindow* working = driver.doubleClickProduct(0);
    QVERIFY(QTest::qWaitForWindowExposed(working));
    auto points = [working](const char* name) { return working->findChild<QWidget*>(name)->font().pointSizeF(); };
    const char* parts[] = {"Explanation", "LongMultiplication", "Next", "StepCounter", "Hint", "Answer"};
    std::map<QString, double> before;
    for (const char* name : parts)
        before[name] = points(name);
    const QSize picture = working->findChild<RodsPicture*>()->minimumSize();

    QTest::keyClick(working, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(working->zoom(), 1.25);
    for (const char* name : parts)
        QVERIFY2(std::abs(points(name) - before[name] * 1.25) < 0.01, name);
    // The picture scales down before anything is cut: its least size stays.
    QCOMPARE(working->findChild<RodsPicture*>()->minimumSize(), picture);
    QTest::keyClick(working, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(working->zoom(), 1.5);
    QTest::keyClick(working, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(working->zoom(), 1.25);

    // Kept for the next product while the program runs; Ctrl+0 goes back.
    working->close();
    QCOMPARE(driver.doubleClickProduct(0), working);
    QCOMPARE(working->zoom(), 1.25);
    QTest::keyClick(working, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(working->zoom(), 1.0);
    for (const char* name : parts)
        QCOMPARE(points(name), before[name]);
    QTest::keyClick(working, Qt::Key_F11);
    QVERIFY(working->isFullScreen());
    QTest::keyClick(working, Qt::Key_F11);
    QVERIFY(!working->isFullScreen());
}

// The board's context menu, and the entry with the given text chosen.
void chooseFromBoardMenu(WindowDriver& driver, const QString& entry)
{
    QWidget* board = driver.controls().picture1;
    const QPoint middle = board->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, middle, board->mapToGlobal(middle));
    QApplication::sendEvent(board, &event);
    auto* menu = board->findChild<QMenu*>("BoardMenu");
    QVERIFY(menu != nullptr);
    for (QAction* action : menu->actions())
        if (action->text() == entry && action->isVisible()) {
            menu->close();
            action->trigger();
            return;
        }
    QFAIL(qPrintable("no visible entry " + entry));
}

void TestWorkingWindow::dividesWithTheRods()
{
    WindowDriver driver;
    driver.enterRods("12");
    chooseFromBoardMenu(driver, "Divide with these rods\u2026");
    WorkingWindow* working = driver.window().workingWindow();
    QVERIFY(QTest::qWaitForWindowExposed(working));
    auto* operation = working->findChild<QComboBox*>("Operation");
    auto* dividend = working->findChild<QLineEdit*>("FirstNumber");
    auto* divisor = working->findChild<QLineEdit*>("SecondNumber");
    QCOMPARE(operation->currentText(), QString("÷"));
    QCOMPARE(dividend->accessibleName(), QString("Dividend"));
    QCOMPARE(divisor->accessibleName(), QString("Divisor"));
    QCOMPARE(divisor->text(), QString("12"));
    QVERIFY(dividend->hasFocus());

    // Refused: nothing changes but the message.
    QTest::keyClick(dividend, Qt::Key_Return);
    QCOMPARE(working->findChild<QLabel*>("ProblemMessage")->text(), QString("Type the dividend first."));
    QTest::keyClicks(dividend, "3684");
    QTest::keyClick(dividend, Qt::Key_Return);
    QCOMPARE(working->findChild<QLabel*>("ProblemMessage")->text(), QString());
    QCOMPARE(working->windowTitle(), QString("Working: 3684 ÷ 12"));
    // The multiples, a step for each quotient digit (3, 0, 7), the result.
    QCOMPARE(working->stepCount(), 5);
    QVERIFY(labelText(working, "Explanation").startsWith("The rods of 12 and the index rod give the multiples"));
    working->goToStep(1);
    QVERIFY(numbersIn(labelText(working, "Explanation")).join(' ').contains("36 3 36"));
    // Row 3 is lit across both rods and the index rod.
    auto* picture = working->findChild<RodsPicture*>();
    const QImage image = picture->grab().toImage();
    const QColor highlight = picture->palette().color(QPalette::Highlight);
    for (int slot = 0; slot <= 2; ++slot)
        QCOMPARE(colourAt(picture, image, 1030.0 * slot + 100, 200.0 + 700 * 3 + 300), highlight);
    QCOMPARE(labelText(working, "LongMultiplication"), QString("      3  \n     ----\n12 ) 3684\n     36  \n     --  \n"
                                                               "       8 "));
    // And it is seen: room for the widest line.
    auto* longDivision = working->findChild<QWidget*>("LongMultiplication");
    QVERIFY(longDivision->width() >= QFontMetrics(longDivision->font()).horizontalAdvance("12 ) 3684"));
    working->goToStep(2);
    QCOMPARE(numbersIn(labelText(working, "Explanation")), QStringList({"12", "8", "0", "4", "84"}));
    QTest::keyClick(working, Qt::Key_End);
    QCOMPARE(labelText(working, "Explanation"), QString("3684 ÷ 12 = 307, remainder 0. Check: 307 × 12 + 0 = 3684."));

    // 98765 / 43 typed in the boxes; then the largest: 15 digits by 8.
    dividend->setText("98765");
    divisor->setText("43");
    QTest::mouseClick(working->findChild<QPushButton*>("Work"), Qt::LeftButton);
    QTest::keyClick(working, Qt::Key_End);
    QVERIFY(labelText(working, "Explanation").startsWith("98765 ÷ 43 = 2296, remainder 37."));
    dividend->setText("999999999999999");
    divisor->setText("98765432");
    QTest::keyClick(divisor, Qt::Key_Return);
    QTest::keyClick(working, Qt::Key_End);
    const quint64 big = 999999999999999ULL, by = 98765432ULL;
    QVERIFY2(labelText(working, "Explanation")
                 .startsWith(QString("999999999999999 ÷ 98765432 = %1, remainder %2.").arg(big / by).arg(big % by)),
             qPrintable(labelText(working, "Explanation")));

    // By rods that make 0: said, never a crash.
    divisor->setText("00");
    QTest::keyClick(divisor, Qt::Key_Return);
    QVERIFY(labelText(working, "Explanation").contains("dividing by 0 has no answer"));
    QTest::keyClick(working, Qt::Key_End);
    // The main window is as it was: two rods, no product.
    QCOMPARE(int(driver.board().RodCount()), 2);
    QCOMPARE(driver.listItems(), QStringList());
}

void TestWorkingWindow::worksATypedProblem()
{
    WindowDriver driver;
    // Offered by the list's menu, with no product in it.
    QListWidget* list = driver.controls().list1;
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), list->viewport()->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(list->viewport(), &event);
    auto* menu = list->findChild<QMenu*>("ProductMenu");
    QVERIFY(menu != nullptr);
    QAction* work = nullptr;
    for (QAction* action : menu->actions())
        if (action->isVisible() && !action->isSeparator())
            work = work == nullptr ? action : nullptr;
    QVERIFY2(work != nullptr && work->text() == "Work a problem\u2026", "one entry, Work a problem");
    menu->close();
    work->trigger();
    WorkingWindow* working = driver.window().workingWindow();
    QVERIFY(QTest::qWaitForWindowExposed(working));
    auto* multiplier = working->findChild<QLineEdit*>("FirstNumber");
    auto* multiplicand = working->findChild<QLineEdit*>("SecondNumber");
    QCOMPARE(multiplier->accessibleName(), QString("Multiplier"));
    QCOMPARE(multiplicand->accessibleName(), QString("Multiplicand"));

    // Empty, the window says what to do and offers nothing that does nothing:
    // no step, no answer, no working to copy, print or save.
    QVERIFY(!labelText(working, "Explanation").isEmpty());
    QCOMPARE(numbersIn(labelText(working, "Explanation")), QStringList());
    for (const char* name : {"Check", "ShowAnswer", "Previous", "Next"})
        QVERIFY2(!button(working, name)->isVisible() || !button(working, name)->isEnabled(), name);
    for (const char* name : {"PrintWorking", "SaveWorking"})
        QVERIFY2(!working->findChild<QAction*>(name)->isEnabled(), name);
    const QString pdf = QDir::temp().filePath("empty working.pdf");
    QFile::remove(pdf);
    QVERIFY(!working->saveWorkingTo(pdf).isEmpty());
    QVERIFY(!QFile::exists(pdf));
    QGuiApplication::clipboard()->setText("kept");
    QTest::keySequence(working, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("kept"));

    // Escape in an open drop-down closes the drop-down alone.
    for (const char* name : {"Level", "Operation"}) {
        auto* box = working->findChild<QComboBox*>(name);
        box->showPopup();
        QWidget* popup = QApplication::activePopupWidget();
        QVERIFY2(popup != nullptr, name);
        QTest::keyClick(popup->focusWidget() != nullptr ? popup->focusWidget() : popup, Qt::Key_Escape);
        QVERIFY2(QApplication::activePopupWidget() == nullptr, name);
        QVERIFY2(working->isVisible(), name);
    }

    multiplier->setText("307");
    QTest::keyClicks(multiplicand, "1x2");
    QTest::keyClick(multiplicand, Qt::Key_Return);
    QCOMPARE(working->findChild<QLabel*>("ProblemMessage")->text(),
             QString("The multiplicand is made of digits only: type the digits 0 to 9."));
    multiplicand->setText("12");
    QTest::keyClick(multiplicand, Qt::Key_Return);
    QCOMPARE(working->windowTitle(), QString("Working: 307 × 12"));
    // End in the open Level list moves in the list, not to the last step.
    auto* level = working->findChild<QComboBox*>("Level");
    level->showPopup();
    QTest::keyClick(QApplication::activePopupWidget()->focusWidget(), Qt::Key_End);
    QCOMPARE(working->step(), 0);
    QTest::keyClick(QApplication::activePopupWidget()->focusWidget(), Qt::Key_Escape);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    QTest::keyClick(working, Qt::Key_End);
    QCOMPARE(numbersIn(labelText(working, "Explanation")), Sum307x12);
    // Ctrl+Shift+S opens the dialog to save it, whatever key the desktop
    // gives Save As: offscreen, as on KDE and on desktops Qt does not know,
    // Qt gives it none.
    QVERIFY(keysAskForAFile(working, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier));
    // Nothing of it in the main window.
    QCOMPARE(driver.listItems(), QStringList());
    QCOMPARE(int(driver.board().RodCount()), 0);
}

QTEST_MAIN(TestWorkingWindow)
void TestWorkingWindow::fitsASmallScreen_data()
{
    QTest::addColumn<QString>("problem");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<bool>("practising");
    // The largest problems the program takes: the longest division (15 digits
    // by 8, 8 quotient digits, each with its row and its subtraction), the
    // one with most subtractions of 6-digit rows, and the widest product.
    for (const char* problem : {"889388550828554 ÷ 76947213", "935998533772 ÷ 201027", "99999999 × 999999999999999"})
        for (double zoom : {1.0, 1.5})
            for (bool practising : {false, true})
                QTest::addRow("%s, zoom %.2g%s", problem, zoom, practising ? ", worked" : "")
                    << QString::fromUtf8(problem) << zoom << practising;
}

void TestWorkingWindow::fitsASmallScreen()
{
    QFETCH(QString, problem);
    QFETCH(double, zoom);
    QFETCH(bool, practising);
    // A 1024 x 768 projector, less a title bar and a panel.
    const QSize screen(1024, 768 - 64);
    WorkingWindow working;
    working.findChild<QCheckBox*>("WorkItYourself")->setChecked(practising);
    working.setZoom(zoom);
    const ProblemRead read = readProblem(problem.toStdString());
    QVERIFY(read.problem);
    working.showProblem(*read.problem);
    working.resize(screen);
    working.show();
    QVERIFY(QTest::qWaitForWindowExposed(&working));
    for (int step = 0; step < working.stepCount(); ++step) {
        working.goToStep(step);
        if (practising && working.step() < step)
            break; // the steps after the one being worked stay closed
        QApplication::processEvents();
        const QSize least = working.minimumSizeHint().expandedTo(working.minimumSize());
        QVERIFY2(least.width() <= screen.width() && least.height() <= screen.height(),
                 qPrintable(QString("step %1: at least %2 x %3").arg(step + 1).arg(least.width()).arg(least.height())));
        QCOMPARE(working.size(), screen);
        // The words, the question and every button in view.
        const QRect inside = working.rect();
        for (const char* name :
             {"Explanation", "Previous", "Next", "WorkItYourself", "Check", "ShowAnswer", "Question"}) {
            auto* part = working.findChild<QWidget*>(name);
            if (!part->isVisible())
                continue;
            const QRect at(part->mapTo(&working, QPoint(0, 0)), part->size());
            QVERIFY2(inside.contains(at), qPrintable(QString("step %1: %2 cut off").arg(step + 1).arg(name)));
        }
        // The adding step's columns are drawn smaller rather than cut at the
        // edge: nothing of them stands in the last pixels on the right.
        if (auto* columns = working.findChild<ColumnLines*>("Columns"); columns->isVisible()) {
            const QImage drawn = columns->grab().toImage();
            const QColor text = columns->palette().color(QPalette::Text);
            for (int x = drawn.width() - 3; x < drawn.width(); ++x)
                for (int y = 0; y < drawn.height(); ++y)
                    QVERIFY2(!near(drawn.pixelColor(x, y), text),
                             qPrintable(QString("step %1: columns cut").arg(step + 1)));
        }
    }
    // Zooming in stops where the screen ends (the test's screen is a
    // classroom projector's, 1024 x 768).
    for (int press = 0; press < 8; ++press)
        QTest::keyClick(&working, Qt::Key_Plus, Qt::ControlModifier);
    QApplication::processEvents();
    const QSize room = working.screen()->availableGeometry().size();
    const QSize least = working.minimumSizeHint().expandedTo(working.minimumSize());
    const bool fits = least.width() <= room.width() && least.height() <= room.height();
    QVERIFY2(
        fits || working.zoom() == zoom,
        qPrintable(QString("zoom %1: at least %2 x %3").arg(working.zoom()).arg(least.width()).arg(least.height())));
    QVERIFY(working.zoom() >= 1.5 && working.zoom() < 3.0);
}

#include "tst_working_window.moc"
