// "Work it yourself" in the Working window, driven as a pupil drives it:
// answers typed into the real box and checked with Enter or Check, hints read
// back from the window, the marked diagonal found in the picture's pixels, and
// the main window left exactly as it was.
#include "window/form1.h"
#include "window/window_driver.h"
#include "working_window/answer_panel.h"
#include "working_window/column_marks.h"
#include "working_window/numbers_in.h"
#include "working_window/rods_picture.h"
#include "working_window/window_parts.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace rods;

namespace {

const QString Times = QString::fromUtf8("\xc3\x97");

QString hint(WorkingWindow* w) { return part<QPlainTextEdit>(w, "Hint")->toPlainText(); }
QString tally(WorkingWindow* w) { return part<QLabel>(w, "Tally")->text(); }
QString explanation(WorkingWindow* w) { return part<QPlainTextEdit>(w, "Explanation")->toPlainText(); }
QString longMultiplication(WorkingWindow* w) { return part<ColumnMarks>(w, "LongMultiplication")->text(); }
QLineEdit* answerBox(WorkingWindow* w) { return part<QLineEdit>(w, "Answer"); }

// Types an answer and presses Enter in the box, as a pupil does.
void answer(WorkingWindow* w, const QString& typed)
{
    QLineEdit* box = answerBox(w);
    box->setFocus();
    box->selectAll();
    if (typed.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
}

WorkingWindow* openWorking(WindowDriver& driver, const QString& rods, const QString& multiplicand)
{
    driver.enterRods(rods);
    driver.pressDone();
    driver.setMultiplicand(multiplicand);
    driver.pressGo();
    WorkingWindow* working = driver.doubleClickProduct(int(driver.listItems().size()) - 1);
    if (working == nullptr)
        qFatal("the Working window did not open");
    auto* mode = part<QCheckBox>(working, "WorkItYourself");
    if (!mode->isChecked())
        QTest::mouseClick(mode, Qt::LeftButton, {}, QPoint(6, mode->height() / 2));
    return working;
}

// Everything of the main window a user can see: its boxes, message and list,
// and the board's pixels.
struct MainWindowState {
    QStringList texts;
    QImage board;
    bool operator==(const MainWindowState&) const = default;
};

MainWindowState mainWindowState(WindowDriver& driver)
{
    MainWindowState state;
    for (QLineEdit* box : driver.window().findChildren<QLineEdit*>())
        state.texts << box->objectName() + "=" + box->text();
    state.texts << driver.listItems();
    state.texts << driver.message();
    state.board = driver.grabBoard();
    return state;
}

// In the picture, whether the half-cell around a point given in board twips
// is mostly in the highlight colour or mostly in the picture's base colour.
enum class Shade { Lit, Unlit, Other };
Shade shadeAt(RodsPicture* picture, double x, double y)
{
    const QImage image = picture->grab().toImage();
    const QPoint centre = (picture->toWidget(x, y) * picture->devicePixelRatioF()).toPoint();
    int lit = 0, unlit = 0, all = 0;
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const QColor colour = image.pixelColor(centre + QPoint(dx, dy));
            lit += colour == picture->palette().color(QPalette::Highlight);
            unlit += colour == picture->palette().color(QPalette::Base);
            ++all;
        }
    return lit * 2 > all ? Shade::Lit : unlit * 2 > all ? Shade::Unlit : Shade::Other;
}

// Board twips of a cell's halves, from the board's measures: rod s stands at
// x 1030 s to 1030 s + 930; row r at y 200 + 700 r to 900 + 700 r. The
// diagonal runs from the bottom-left to the top-right corner.
QPointF unitsHalf(int slot, int row) { return {1030.0 * slot + 930 * 0.75, 200.0 + 700 * row + 700 * 0.75}; }
QPointF tensHalf(int slot, int row) { return {1030.0 * slot + 930 * 0.25, 200.0 + 700 * row + 700 * 0.25}; }

} // namespace

class TestWorkItYourself : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void work307Times12WithSlips();
    void workTheLargeProduct();
    void refusedAnswersCountAsNothing();
    void showAnswerAndGoingBack();
    void theMainWindowIsNeverTouched();
    void hintsAreAnnouncedAndBoxesNamed();
    void theModeIsRemembered();
    void aProductWorkedInPartIsTakenUpAgain();
    void workADivision();
};

void TestWorkItYourself::work307Times12WithSlips()
{
    WindowDriver driver;
    WorkingWindow* w = openWorking(driver, "307", "000012");
    QCOMPARE(part<QLabel>(w, "StepCounter")->text(), QString("Step 1 of 3"));
    QCOMPARE(numbersIn(tally(w)), QStringList({"0", "3"}));
    QCOMPARE(part<QLabel>(w, "Question")->text(), "307 " + Times + " 2 =");
    // The answer is nowhere to be seen yet, and the next step is closed.
    QVERIFY(!explanation(w).contains("614"));
    QVERIFY(!longMultiplication(w).contains("614"));
    QVERIFY(!part<QPushButton>(w, "Next")->isEnabled());
    QTest::keyClick(w, Qt::Key_End);
    QCOMPARE(w->step(), 0);

    // 307 x 2: the cells 0|6 0|0 1|4. A carry that is not there.
    auto* picture = part<RodsPicture>(w, "RodsPicture");
    QCOMPARE(shadeAt(picture, unitsHalf(1, 2).x(), unitsHalf(1, 2).y()), Shade::Lit);
    answer(w, "624");
    QCOMPARE(numbersIn(hint(w)), QStringList({"0", "1", "1", "2"}));
    QCOMPARE(answerBox(w)->text(), QString("624"));
    QCOMPARE(w->step(), 0);
    QVERIFY(!part<QPushButton>(w, "Next")->isEnabled());
    // That diagonal joins the units of the 0 rod and the tens of the 7 rod:
    // both halves stand out of the lit row; their neighbours stay lit.
    QCOMPARE(shadeAt(picture, unitsHalf(1, 2).x(), unitsHalf(1, 2).y()), Shade::Unlit);
    QCOMPARE(shadeAt(picture, tensHalf(2, 2).x(), tensHalf(2, 2).y()), Shade::Unlit);
    QCOMPARE(shadeAt(picture, unitsHalf(2, 2).x(), unitsHalf(2, 2).y()), Shade::Lit);
    QCOMPARE(shadeAt(picture, tensHalf(1, 2).x(), tensHalf(1, 2).y()), Shade::Lit);

    // A digit left out, then the right answer with Check.
    answer(w, "64");
    QCOMPARE(numbersIn(hint(w)).mid(0, 4), QStringList({"2", "307", "2", "3"}));
    answerBox(w)->setText("614");
    QTest::mouseClick(part<QPushButton>(w, "Check"), Qt::LeftButton);
    QCOMPARE(numbersIn(hint(w)), QStringList({"2"}));
    QVERIFY(explanation(w).contains("307 " + Times + " 2 = 614"));
    QCOMPARE(shadeAt(picture, unitsHalf(1, 2).x(), unitsHalf(1, 2).y()), Shade::Lit);
    QCOMPARE(numbersIn(tally(w)), QStringList({"0", "3"}));
    QVERIFY(part<QPushButton>(w, "Next")->hasFocus());

    // Enter goes on; the tens row right at once.
    QTest::keyClick(part<QPushButton>(w, "Next"), Qt::Key_Return);
    QCOMPARE(w->step(), 1);
    QVERIFY(answerBox(w)->hasFocus());
    QVERIFY(longMultiplication(w).contains("614"));
    QVERIFY(!longMultiplication(w).contains("3070"));
    QVERIFY(answerBox(w)->text().isEmpty());
    answer(w, "307");
    QCOMPARE(numbersIn(tally(w)), QStringList({"1", "3"}));
    QTest::keyClick(part<QPushButton>(w, "Next"), Qt::Key_Return);

    // The sum: 614 + 3070 = 3684; the tens column wrong first.
    QCOMPARE(w->step(), 2);
    QVERIFY(!longMultiplication(w).contains("3684"));
    answer(w, "3674");
    QCOMPARE(numbersIn(hint(w)), QStringList({"1", "7", "8", "7"}));
    answer(w, "3684");
    QCOMPARE(numbersIn(hint(w)), QStringList({"307", "12", "3684", "1", "3"}));
    QCOMPARE(numbersIn(tally(w)), QStringList({"1", "3"}));
    QVERIFY(longMultiplication(w).endsWith("3684"));
}

void TestWorkItYourself::workTheLargeProduct()
{
    WindowDriver driver;
    WorkingWindow* w = openWorking(driver, "98765432", "123456");
    QCOMPARE(w->stepCount(), 7);
    const quint64 multiplier = 98765432;

    // 98765432 x 6, by hand: the cells 5|4 4|8 4|2 3|6 3|0 2|4 1|8 1|2; from
    // the right the diagonals give 2, 9, 5, 2, 9, 5, then 8 + 4 = 12 (write 2,
    // carry 1), 4 + 4 + 1 = 9, and 5. Forget that carry: 582592592.
    const QString right = QString::number(multiplier * 6);
    QCOMPARE(right, QString("592592592"));
    answer(w, "582592592");
    QCOMPARE(numbersIn(hint(w)), QStringList({"4", "4", "1", "8", "4", "9", "8"}));
    // The mark: the units of the first rod (slot 0) and the tens of the
    // second (slot 1), in row 6.
    auto* picture = part<RodsPicture>(w, "RodsPicture");
    QCOMPARE(shadeAt(picture, unitsHalf(0, 6).x(), unitsHalf(0, 6).y()), Shade::Unlit);
    QCOMPARE(shadeAt(picture, tensHalf(1, 6).x(), tensHalf(1, 6).y()), Shade::Unlit);
    QCOMPARE(shadeAt(picture, unitsHalf(1, 6).x(), unitsHalf(1, 6).y()), Shade::Lit);
    QCOMPARE(shadeAt(picture, tensHalf(0, 6).x(), tensHalf(0, 6).y()), Shade::Lit);

    // Every step right, by exact integer arithmetic, with blanks the learner
    // may type between groups of digits.
    answer(w, right);
    for (quint64 digit : {5ULL, 4ULL, 3ULL, 2ULL, 1ULL}) {
        QTest::keyClick(part<QPushButton>(w, "Next"), Qt::Key_Return);
        QString typed = QString::number(multiplier * digit);
        typed.insert(typed.size() - 3, ' ');
        answer(w, typed);
        QVERIFY2(answerBox(w)->isReadOnly(), qPrintable(hint(w)));
    }
    QTest::keyClick(part<QPushButton>(w, "Next"), Qt::Key_Return);
    QCOMPARE(w->step(), 6);
    // 98765432 x 123000 + 98765432 x 456 = 12148148136000 + 45037036992.
    QCOMPARE(QString::number(multiplier * 123456), QString("12193185172992"));
    answer(w, "12193185172992");
    QCOMPARE(numbersIn(hint(w)), QStringList({"98765432", "123456", "12193185172992", "6", "7"}));
}

void TestWorkItYourself::refusedAnswersCountAsNothing()
{
    WindowDriver driver;
    WorkingWindow* w = openWorking(driver, "307", "000012");
    for (const QString& typed : {QString(), QString("   "), QString("6l4"), QString("-614"), QString("6.14")}) {
        answer(w, typed);
        QVERIFY2(!hint(w).isEmpty() && !answerBox(w)->isReadOnly(), qPrintable(typed));
        QCOMPARE(w->step(), 0);
        QVERIFY(!part<QPushButton>(w, "Next")->isEnabled());
        QVERIFY(!part<RodsPicture>(w, "RodsPicture")->accessibleDescription().contains("marked"));
    }
    // None of them was a try: the right answer now is right at the first try.
    answer(w, " 6 1 4 ");
    QCOMPARE(numbersIn(tally(w)), QStringList({"1", "3"}));
}

void TestWorkItYourself::showAnswerAndGoingBack()
{
    WindowDriver driver;
    WorkingWindow* w = openWorking(driver, "307", "000012");
    answer(w, "617");
    QVERIFY(part<RodsPicture>(w, "RodsPicture")
                ->accessibleDescription()
                .contains("The first diagonal from the right is marked."));
    QTest::mouseClick(part<QPushButton>(w, "ShowAnswer"), Qt::LeftButton);
    QCOMPARE(answerBox(w)->text(), QString("614"));
    QVERIFY(answerBox(w)->isReadOnly());
    QCOMPARE(numbersIn(hint(w)), QStringList({"307", "2", "614", "2"})); // the answer with its question
    QVERIFY(!part<RodsPicture>(w, "RodsPicture")->accessibleDescription().contains("marked"));
    QCOMPARE(numbersIn(tally(w)), QStringList({"0", "3"}));

    // Forward to the open step, back to the one answered, and never past the
    // open one.
    QTest::keyClick(w, Qt::Key_Right);
    QCOMPARE(w->step(), 1);
    QTest::keyClick(w, Qt::Key_End);
    QCOMPARE(w->step(), 1);
    QTest::mouseClick(part<QPushButton>(w, "Previous"), Qt::LeftButton);
    QCOMPARE(w->step(), 0);
    QCOMPARE(answerBox(w)->text(), QString("614"));
    QCOMPARE(numbersIn(hint(w)), QStringList({"307", "2", "614", "2"})); // the answer with its question
    QTest::mouseClick(part<QPushButton>(w, "Next"), Qt::LeftButton);
    answer(w, "307");
    QTest::mouseClick(part<QPushButton>(w, "Next"), Qt::LeftButton);
    QTest::mouseClick(part<QPushButton>(w, "ShowAnswer"), Qt::LeftButton);
    QCOMPARE(numbersIn(hint(w)), QStringList({"307", "12", "3684", "307", "12", "3684", "1", "3"}));

    // Watching again shows every step as before.
    QTest::mouseClick(part<QCheckBox>(w, "WorkItYourself"), Qt::LeftButton, {}, QPoint(6, 6));
    QVERIFY(!part<AnswerPanel>(w, "AnswerPanel")->isVisible());
    QTest::keyClick(w, Qt::Key_Home);
    QVERIFY(explanation(w).contains("307 " + Times + " 2 = 614"));
}

void TestWorkItYourself::theMainWindowIsNeverTouched()
{
    WindowDriver driver;
    driver.enterRods("58");
    driver.pressDone();
    driver.setMultiplicand("000007");
    driver.pressGo();
    driver.enterRod("4"); // a digit waiting in the entry box
    WorkingWindow* w = driver.doubleClickProduct(0);
    QVERIFY(w != nullptr);
    QTest::mouseClick(part<QCheckBox>(w, "WorkItYourself"), Qt::LeftButton, {}, QPoint(6, 6));
    const MainWindowState before = mainWindowState(driver);
    for (const QString& typed : {QString("306"), QString("x"), QString(), QString("9999999999999999999999999")})
        answer(w, typed);
    QLineEdit* box = answerBox(w);
    for (int key : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(box, Qt::Key(key));
    QTest::mouseClick(part<QPushButton>(w, "ShowAnswer"), Qt::LeftButton);
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    QVERIFY(driver.window().isVisible());
    QVERIFY(mainWindowState(driver) == before);
}

void TestWorkItYourself::hintsAreAnnouncedAndBoxesNamed()
{
    WindowDriver driver;
    // 58 x 17: the rows 406 and 580, added in a third step.
    WorkingWindow* w = openWorking(driver, "58", "000017");
    QCOMPARE(numbersIn(answerBox(w)->accessibleName()), QStringList({"1", "3", "58", "7"}));
    // Every control a keyboard reaches has a name a screen reader can say.
    for (QWidget* control : w->findChildren<QWidget*>())
        if (control->isVisible() && control->focusPolicy() != Qt::NoFocus)
            QVERIFY2(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                     qPrintable(control->objectName()));
    // The adding step's columns, hidden, hold the sums and so the product:
    // a screen reader hears nothing of them.
    QWidget* columns = part<QWidget>(w, "Columns");
    QVERIFY(!columns->isVisible());
    for (QAccessible::Text kind : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        QCOMPARE(QAccessible::queryAccessibleInterface(columns)->text(kind), QString());
    // Screen readers only listen on a desktop with an accessibility bus; here
    // the window's own report of each alert it sends stands in for them.
    QStringList alerts;
    QObject::connect(part<AnswerPanel>(w, "AnswerPanel"), &AnswerPanel::hintAnnounced,
                     [&alerts](const QString& text) { alerts << "Hint: " + text; });
    QObject::connect(w, &WorkingWindow::stepAnnounced, [&alerts](const QString& text) { alerts << "Step: " + text; });
    answer(w, "306");
    // The hint stays readable: it is the text of a read-only box named Hint.
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(part<QPlainTextEdit>(w, "Hint"));
    QCOMPARE(box->text(QAccessible::Name), QString("Hint"));
    QCOMPARE(box->text(QAccessible::Value), hint(w));
    QVERIFY(box->state().readOnly);
    answer(w, "");
    answer(w, "406");
    QCOMPARE(alerts.size(), 3);
    // 58 x 7: the cells 3|5 5|6; the third diagonal holds 3 and the 1
    // carried from 5 + 5, which make 4, typed as 3.
    QCOMPARE(numbersIn(alerts[0]), QStringList({"3", "1", "5", "5", "4", "3"}));
    QVERIFY(alerts[1].startsWith("Hint: ") && alerts[1] != alerts[0]);
    QCOMPARE(alerts[2], "Hint: " + hint(w));
    // What a sighted pupil reads, a screen reader reads too.
    auto spoken = [](QWidget* widget) {
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(widget);
        return read->text(QAccessible::Name) + "|" + read->text(QAccessible::Value);
    };
    for (const char* label : {"StepCounter", "Tally"})
        QVERIFY(spoken(part<QLabel>(w, label)).contains(part<QLabel>(w, label)->text()));
    QVERIFY(spoken(part<ColumnMarks>(w, "LongMultiplication")).contains("  58\n" + Times + " 17\n----\n 406"));
    QTest::keyClick(part<QPushButton>(w, "Next"), Qt::Key_Return);
    QCOMPARE(alerts.size(), 4);
    QVERIFY2(alerts[3].startsWith("Step: ")
                 && numbersIn(alerts[3]).mid(0, 5) == QStringList({"2", "3", "17", "1", "1"}),
             qPrintable(alerts[3]));
    QCOMPARE(numbersIn(answerBox(w)->accessibleName()), QStringList({"2", "3", "58", "1"}));
    // Typed as written in the tens place, with its 0: right, and said so.
    answer(w, "580");
    QCOMPARE(numbersIn(hint(w)), QStringList({"58", "1", "58", "580", "3"}));
    QTest::keyClick(part<QPushButton>(w, "Next"), Qt::Key_Return);
    QCOMPARE(numbersIn(answerBox(w)->accessibleName()), QStringList({"3", "3", "58", "17"}));
    // A wrong column is marked in the long multiplication, as a diagonal is in
    // the picture: 406 + 580, the tens column 0 + 8 = 8 typed as 9.
    answer(w, "996");
    QCOMPARE(numbersIn(hint(w)).mid(0, 3), QStringList({"0", "8", "8"}));
    // Lines "  58", "× 17", "----", " 406", " 580" in a fixed-width font,
    // right-aligned: the lit pixels stand in the second character from the
    // right, on the two rows' lines.
    auto* longMultiplication = part<ColumnMarks>(w, "LongMultiplication");
    const QImage image = longMultiplication->grab().toImage();
    const double ratio = longMultiplication->devicePixelRatioF();
    const QColor highlight = longMultiplication->palette().color(QPalette::Highlight);
    const QColor ink = longMultiplication->palette().color(QPalette::WindowText);
    const QFontMetricsF metrics(longMultiplication->font());
    const double character = metrics.horizontalAdvance('0');
    QRectF lit, inked;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRectF pixel(x / ratio, y / ratio, 1 / ratio, 1 / ratio);
            if (image.pixelColor(x, y) == highlight)
                lit |= pixel;
            else if (qGray(image.pixel(x, y)) < 100 && qGray(ink.rgb()) < 100)
                inked |= pixel;
        }
    QVERIFY2(!lit.isEmpty(), "no column marked");
    // The figures end at the right of the ink; the tens column is the
    // second character from there, on the fourth and fifth lines.
    const double right = inked.right();
    QVERIFY2(
        lit.left() >= right - 2 * character - 2 && lit.right() <= right - character + 2,
        qPrintable(QString("marked from x %1 to %2, figures end at %3").arg(lit.left()).arg(lit.right()).arg(right)));
    QVERIFY2(std::abs(lit.height() - 2 * metrics.lineSpacing()) < 1.5, qPrintable(QString::number(lit.height())));
    QVERIFY2(std::abs(lit.top() - inked.top() - 3 * metrics.lineSpacing()) < metrics.lineSpacing() / 2,
             qPrintable(QString("marked from y %1, figures from %2").arg(lit.top()).arg(inked.top())));
    // The last step answered: the focus stays off the mode's check box.
    answer(w, "986");
    QVERIFY(!part<QCheckBox>(w, "WorkItYourself")->hasFocus());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(part<QPushButton>(w, "Previous")));
}

void TestWorkItYourself::theModeIsRemembered()
{
    WindowDriver driver;
    WorkingWindow* first = openWorking(driver, "307", "000012");
    first->close();
    driver.setMultiplicand("000003");
    driver.pressGo();
    WorkingWindow* second = driver.doubleClickProduct(1);
    QCOMPARE(second, first);
    QVERIFY(part<QCheckBox>(second, "WorkItYourself")->isChecked());
    QVERIFY(part<AnswerPanel>(second, "AnswerPanel")->isVisible());
    QCOMPARE(numbersIn(tally(second)), QStringList({"0", "1"}));
    QCOMPARE(part<QLabel>(second, "Question")->text(), "307 " + Times + " 3 =");
}

void TestWorkItYourself::aProductWorkedInPartIsTakenUpAgain()
{
    WindowDriver driver;
    WorkingWindow* w = openWorking(driver, "307", "000012");
    answer(w, "614");
    QTest::keyClick(w, Qt::Key_PageDown);
    answer(w, "3060");
    // Closed in the middle, another product opened, then this one again.
    QTest::keyClick(w, Qt::Key_Escape);
    driver.setMultiplicand("000003");
    driver.pressGo();
    QCOMPARE(driver.doubleClickProduct(1), w);
    QCOMPARE(numbersIn(tally(w)), QStringList({"0", "1"}));
    QCOMPARE(driver.doubleClickProduct(0), w);
    QCOMPARE(w->step(), 1);
    QCOMPARE(numbersIn(tally(w)), QStringList({"1", "3"}));
    QCOMPARE(answerBox(w)->text(), QString("3060"));
    QCOMPARE(numbersIn(hint(w)).mid(0, 1), QStringList({"7"}));
}

void TestWorkItYourself::workADivision()
{
    WindowDriver driver;
    driver.enterRods("43");
    const MainWindowState before = mainWindowState(driver);
    driver.window().askForProblem(Operation::Divide, "43");
    WorkingWindow* w = driver.window().workingWindow();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto* dividend = part<QLineEdit>(w, "FirstNumber");
    QTest::keyClicks(dividend, "98765");
    QTest::keyClick(dividend, Qt::Key_Return);
    auto* mode = part<QCheckBox>(w, "WorkItYourself");
    QTest::mouseClick(mode, Qt::LeftButton, {}, QPoint(6, mode->height() / 2));
    auto* picture = part<RodsPicture>(w, "RodsPicture");
    // The multiples first, then the quotient digits: 98 / 43.
    QTest::keyClick(w, Qt::Key_PageDown);
    QCOMPARE(numbersIn(part<QLabel>(w, "Question")->text()), QStringList({"43", "98"}));
    answer(w, "3");
    QCOMPARE(numbersIn(hint(w)), QStringList({"3", "129", "98"}));
    // The row the hint speaks of is marked: lit across the rods.
    QCOMPARE(shadeAt(picture, tensHalf(0, 3).x(), tensHalf(0, 3).y()), Shade::Lit);
    QCOMPARE(shadeAt(picture, tensHalf(0, 2).x(), tensHalf(0, 2).y()), Shade::Unlit);
    answer(w, "1");
    QCOMPARE(numbersIn(hint(w)), QStringList({"1", "43", "98", "43", "55", "43"}));
    answer(w, "2");
    // Then what is left: 98 - 86, with row 2 lit and nothing under its box.
    QCOMPARE(hint(w), QString());
    QCOMPARE(part<QLabel>(w, "Question")->text(), "98 − 86 =");
    QCOMPARE(shadeAt(picture, tensHalf(0, 2).x(), tensHalf(0, 2).y()), Shade::Lit);
    answer(w, "22");
    QCOMPARE(numbersIn(hint(w)), QStringList({"9", "8", "1", "2"}));
    answer(w, "12");
    QCOMPARE(numbersIn(hint(w)), QStringList({"3"}));
    QTest::keyClick(part<QPushButton>(w, "Next"), Qt::Key_Return);
    answer(w, "2"); // 127 / 43
    answer(w, "141");
    QCOMPARE(numbersIn(hint(w)), QStringList({"3", "127", "86", "2", "1", "1", "0", "0", "0", "0", "1", "1"}));
    answer(w, "41");
    QTest::keyClick(w, Qt::Key_PageDown);
    answer(w, "9"); // 416 / 43
    answer(w, "28");
    QCOMPARE(numbersIn(hint(w)), QStringList({"6", "7", "1", "16", "7", "9", "8"}));
    answer(w, "29");
    QTest::keyClick(w, Qt::Key_PageDown);
    answer(w, "6"); // 295 / 43
    answer(w, "37");
    QCOMPARE(numbersIn(hint(w)), QStringList({"98765", "43", "2296", "37", "4", "8"}));
    QCOMPARE(numbersIn(tally(w)), QStringList({"4", "8"}));
    QTest::keyClick(w, Qt::Key_End);
    QCOMPARE(explanation(w), QString("98765 ÷ 43 = 2296, remainder 37. Check: 2296 × 43 + 37 = 98765."));

    // 8 is less than 12: a row other than 0 is named as such.
    dividend->setText("3684");
    part<QLineEdit>(w, "SecondNumber")->setText("12");
    QTest::keyClick(dividend, Qt::Key_Return);
    QTest::keyClick(w, Qt::Key_PageDown);
    answer(w, "3");
    answer(w, "0");
    QTest::keyClick(w, Qt::Key_PageDown);
    answer(w, "1");
    QCOMPARE(numbersIn(hint(w)), QStringList({"1", "12", "8", "12", "8", "0"}));
    QVERIFY(mainWindowState(driver) == before);
}

QTEST_MAIN(TestWorkItYourself)
#include "tst_work_it_yourself.moc"
