// Problems the program poses, driven in the real Working window: a level and
// set chosen in its boxes, New problem with no answer in view, a product and
// a division worked to the end with slips, the progress kept and shown; a
// teacher's list with a bad line; a data folder that cannot be written.
#include "window/form1.h"
#include "window/window_driver.h"
#include "working_window/column_marks.h"
#include "working_window/numbers_in.h"
#include "working_window/problem_picker.h"
#include "working_window/progress_window.h"
#include "working_window/window_parts.h"
#include "working_window/working_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace rods;

namespace {

void answer(WorkingWindow* w, const QString& typed)
{
    auto* box = part<QLineEdit>(w, "Answer");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
}

QString hint(WorkingWindow* w) { return part<QPlainTextEdit>(w, "Hint")->toPlainText(); }

// Chooses the level in its box by the keys and types the set, as a teacher
// tells the class.
void choose(WorkingWindow* w, const QString& level, int set)
{
    auto* box = part<QComboBox>(w, "Level");
    const int index = box->findText(level);
    QVERIFY2(index >= 0, qPrintable(level));
    box->setFocus();
    while (box->currentIndex() != index)
        QTest::keyClick(box, box->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    auto* spin = part<QSpinBox>(w, "ProblemSet");
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(set));
    QTest::keyClick(spin, Qt::Key_Tab);
    QCOMPARE(spin->value(), set);
}

WorkingWindow* openWorking(WindowDriver& driver)
{
    driver.window().askForProblem(Operation::Multiply, {});
    WorkingWindow* working = driver.window().workingWindow();
    if (working == nullptr || !QTest::qWaitForWindowExposed(working))
        qFatal("the Working window did not open");
    return working;
}

QString progressText(WorkingWindow* w)
{
    click(w, "Progress");
    auto* window = w->findChild<ProgressWindow*>("ProgressWindow");
    return window && window->isVisible() ? window->text() : QString();
}

} // namespace

class TestPosedProblems : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void aSetWorkedWithNoAnswerInView();
    void aTeachersListWithABadLine();
    void progressCopiedSavedAndForgotten();
    void anUnwritableDataFolderIsSaidOnce();
    void startsAsThePupilNamed();

private:
    QTemporaryDir data_;
};

void TestPosedProblems::initTestCase()
{
    QVERIFY(data_.isValid());
    qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
}

void TestPosedProblems::aSetWorkedWithNoAnswerInView()
{
    WindowDriver driver;
    WorkingWindow* w = openWorking(driver);
    choose(w, "Level 3: 3 rods × 1 digit, with carries", 4711);
    click(w, "NewProblem");

    // Set 4711 at level 3 begins with 578 × 4 = 2312 (5 × 4 = 20, 7 × 4 = 28,
    // 8 × 4 = 32: units 2; 3 + 8 = 11, write 1 carry 1; 2 + 0 + 1 = 3; 2).
    QCOMPARE(w->windowTitle(), "Working: 578 × 4");
    QCOMPARE(part<QLabel>(w, "ProblemPosition")->text(), "Problem 1 of 10");
    QVERIFY(part<QCheckBox>(w, "WorkItYourself")->isChecked());
    QVERIFY(!part<ColumnMarks>(w, "LongMultiplication")->text().contains("2312"));
    QVERIFY(!part<QPlainTextEdit>(w, "Explanation")->toPlainText().contains("2312"));
    QVERIFY(driver.listItems().isEmpty()); // nothing added to the main window's list

    answer(w, "2212"); // the carry into the hundreds forgotten
    QVERIFY2(hint(w).contains("carry was forgotten"), qPrintable(hint(w)));
    answer(w, "2312");
    QVERIFY2(hint(w).startsWith("Right!"), qPrintable(hint(w)));

    // A division of the same class: set 4711 at level 4 of ÷ begins with
    // 4626 ÷ 7: 46 ÷ 7 = 6, 46 − 42 = 4; 42 ÷ 7 = 6, 42 − 42 = 0; 6 ÷ 7 = 0.
    choose(w, "Level 4: 1-digit divisor, a 0 in the quotient", 4711);
    click(w, "NewProblem");
    QCOMPARE(w->windowTitle(), "Working: 4626 ÷ 7");
    click(w, "Next"); // past the multiples of 7
    answer(w, "7");   // 49 is more than 46
    QVERIFY2(hint(w).contains("more than 46"), qPrintable(hint(w)));
    for (const char* typed : {"6", "4"})
        answer(w, typed);
    click(w, "Next");
    answer(w, "5"); // 42 − 35 = 7 is not less than 7
    for (const char* typed : {"6", "0"})
        answer(w, typed);
    click(w, "Next");
    answer(w, "0");
    QVERIFY2(hint(w).contains("4626 ÷ 7 = 660, remainder 6"), qPrintable(hint(w)));

    const QStringList progress = progressText(w).split('\n');
    QVERIFY2(progress.contains("  Level 3, 3 rods × 1 digit, with carries: 1 problem, 0 of 1 answer right at the "
                               "first try (0%)."),
             qPrintable(progress.join('\n')));
    QVERIFY(progress.contains("  Level 4, 1-digit divisor, a 0 in the quotient: 1 problem, 3 of 5 answers right at "
                              "the first try (60%)."));
    QVERIFY(progress.contains("  Forgotten carries: 1. After each diagonal, check whether it made 10 or more."));
    QVERIFY(progress.contains("  Rows too large: 1. The row you choose must not be more than the number you divide."));
    QVERIFY(
        progress.contains("  Rows too small: 1. When what is left is not less than the divisor, a larger row fits."));
    QVERIFY(progress
                .filter(QRegularExpression("^  \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d  578 × 4, level 3, set 4711: "
                                           "0 of 1 answer right at the first try$"))
                .size()
            == 1);

    // The tenth problem ends the set; the next one is the next set's first.
    // Ctrl+N poses as the button does.
    for (int i = 2; i <= 10; ++i)
        click(w, "NewProblem");
    QTest::keySequence(w, QKeySequence::New);
    QCOMPARE(part<QSpinBox>(w, "ProblemSet")->value(), 4712);
    QCOMPARE(part<QLabel>(w, "ProblemPosition")->text(), "Problem 1 of 10");
    QVERIFY(driver.listItems().isEmpty());
}

void TestPosedProblems::aTeachersListWithABadLine()
{
    QTemporaryDir folder;
    QFile list(folder.filePath("tuesday.txt"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("# Tuesday\n307 × 12\n30 ×\n3684 ÷ 12\n");
    list.close();

    WindowDriver driver;
    WorkingWindow* w = openWorking(driver);
    w->picker()->openList(list.fileName());
    const QString said = part<QLabel>(w, "PickerMessage")->text();
    QCOMPARE(said, "2 problems loaded from tuesday.txt. 1 line is not a problem: Line 3, \"30 ×\": Write a number on "
                   "each side of the sign, like 307 × 12 or 3684 ÷ 12.");
    QCOMPARE(w->windowTitle(), "Working: 307 × 12");
    QCOMPARE(part<QLabel>(w, "ProblemPosition")->text(), "Problem 1 of 2");
    QCOMPARE(part<QComboBox>(w, "Level")->currentText(), "tuesday.txt (2 problems)");
    QVERIFY(!part<QSpinBox>(w, "ProblemSet")->isEnabled());
    click(w, "NewProblem");
    QCOMPARE(w->windowTitle(), "Working: 3684 ÷ 12");

    // A file that is no list changes nothing.
    w->picker()->openList(folder.path());
    QVERIFY(
        part<QLabel>(w, "PickerMessage")->text().startsWith(QFileInfo(folder.path()).fileName() + " is not loaded."));
    QCOMPARE(w->windowTitle(), "Working: 3684 ÷ 12");
    QCOMPARE(part<QLabel>(w, "ProblemPosition")->text(), "Problem 2 of 2");

    // After the last, the list says it is done and waits; asked again, it
    // starts from its first problem.
    click(w, "NewProblem");
    QCOMPARE(numbersIn(part<QLabel>(w, "PickerMessage")->text()), QStringList{"2"});
    QCOMPARE(w->windowTitle(), "Working: 3684 ÷ 12");
    QCOMPARE(part<QLabel>(w, "ProblemPosition")->text(), "Problem 2 of 2");
    click(w, "NewProblem");
    QCOMPARE(part<QLabel>(w, "ProblemPosition")->text(), "Problem 1 of 2");
}

void TestPosedProblems::progressCopiedSavedAndForgotten()
{
    WindowDriver driver;
    WorkingWindow* w = openWorking(driver);
    w->showProblem(*readProblem("12 × 3").problem);
    part<QCheckBox>(w, "WorkItYourself")->setChecked(true);
    answer(w, "36");
    QVERIFY(progressText(w).contains("  12 × 3: 1 of 1 answer right at the first try\n"));
    auto* progress = w->findChild<ProgressWindow*>("ProgressWindow");
    QVERIFY(progress->text().contains("Problems of your own: "));

    click(progress, "CopyProgress");
    QCOMPARE(QApplication::clipboard()->text(), progress->text());

    QTemporaryDir folder;
    QCOMPARE(progress->saveCsv(folder.filePath("class.csv")), QString());
    QFile csv(folder.filePath("class.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(csv.readAll()).split("\r\n");
    QVERIFY(rows.first().startsWith(QString::fromUtf8("\xef\xbb\xbf\"Date and time\"")));
    // The two problems worked to the end before and this one; the others
    // posed before were left with New problem, and say so.
    QStringList worked;
    for (const QString& row : rows.mid(1, rows.size() - 2)) {
        QVERIFY2(row.section(',', 3, 3) == "0" || row.section(',', 3, 3) == "1", qPrintable(row));
        if (row.section(',', 3, 3) == "0")
            worked << row;
    }
    QCOMPARE(worked.size(), 3);
    QVERIFY2(worked[2].contains("\"12 × 3\",\"own\",0,,,1,1,0,"), qPrintable(worked[2]));
    QVERIFY(!progress->saveCsv(folder.filePath("no/such/folder.csv")).isEmpty());

    // Forgetting asks first; Cancel keeps everything.
    auto answerTheQuestion = [](QMessageBox::StandardButton button) {
        QTimer::singleShot(0, [button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box)
                box->button(button)->click();
        });
    };
    answerTheQuestion(QMessageBox::Cancel);
    click(progress, "ForgetProgress");
    QVERIFY(progress->text().contains("12 × 3"));
    answerTheQuestion(QMessageBox::Yes);
    click(progress, "ForgetProgress");
    QVERIFY2(progress->text().startsWith("No problems worked yet."), qPrintable(progress->text()));
}

void TestPosedProblems::anUnwritableDataFolderIsSaidOnce()
{
    QTemporaryDir folder;
    QFile blocker(folder.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_DATA_HOME", blocker.fileName().toLocal8Bit());

    WindowDriver driver;
    WorkingWindow* w = openWorking(driver);
    choose(w, "Level 1: 1 rod × 1 digit", 1);
    for (int i = 0; i < 2; ++i) {
        click(w, "NewProblem");
        auto* message = part<QLabel>(w, "PickerMessage");
        QVERIFY(message->text().isEmpty());
        // Level 1 is one row: its answer is the product, from the title.
        const QStringList numbers = w->windowTitle().mid(9).split(" × ");
        answer(w, QString::number(numbers[0].toInt() * numbers[1].toInt()));
        QVERIFY2(hint(w).startsWith("Right!"), qPrintable(hint(w)));
        QCOMPARE(message->text().startsWith("Your progress cannot be kept"), i == 0);
    }
    qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
}

// --pupil: the Working window opens as the pupil named, not as the one who
// worked last.
void TestPosedProblems::startsAsThePupilNamed()
{
    WindowDriver driver;
    driver.window().startAs("Zoë");
    QCOMPARE(openWorking(driver)->pupil(), QString("Zoë"));
}

QTEST_MAIN(TestPosedProblems)
#include "tst_posed_problems.moc"
