// What each step of a lesson shows, worked by hand: 3684 ÷ 12 worked by a
// learner with a refused answer, a wrong row, a shown answer and a step of two
// questions; 307 × 12 watched and worked. The windows only put this on
// screen, so it is checked here field by field.
#include "tutor/session/lesson.h"

#include <QTest>

using namespace rods;

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

} // namespace

class TestLesson : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void divisionWorkedByTheLearner();
    void productWatchedThenWorked();
    void figuresAsData_data();
    void figuresAsData();
    void wholeWorkingWhileWorked();
};

void TestLesson::divisionWorkedByTheLearner()
{
    // 36 − 36 = 0; 8 is less than 12: 0; 84 − 84 = 0. Five questions: 3 and
    // 0 left, 0, then 7 and 0 left.
    Lesson lesson = Lesson::ofProblem(*readProblem("3684 ÷ 12").problem);
    QCOMPARE(q(lesson.title()), "Working: 3684 ÷ 12");
    QCOMPARE(lesson.stepCount(), 5);
    lesson.setPractising(true);
    QVERIFY(!lesson.view().answer); // the multiples ask nothing
    QVERIFY(lesson.goTo(1));
    QVERIFY(!lesson.goTo(2)); // not before this step is answered

    StepView view = lesson.view();
    QCOMPARE(q(view.counter), "Step 2 of 5");
    // A quotient digit is no equation: "36 ÷ 12 =" would be 3 only here.
    QCOMPARE(q(view.answer->question()), "How many times does 12 go into 36?");
    QCOMPARE(q(view.answer->name), "Answer for step 2 of 5: How many times does 12 go into 36?");
    QVERIFY(view.answer->open && view.digitsHidden && !view.litRow && !view.canGoOn);

    QCOMPARE(lesson.answer("three").kind, Lesson::Outcome::Kind::Refused);
    QVERIFY(!lesson.view().answer->hint.empty());
    QCOMPARE(lesson.view().answer->typed, "");

    QCOMPARE(lesson.answer("4").kind, Lesson::Outcome::Kind::Wrong);
    view = lesson.view();
    QCOMPARE(q(view.answer->hint), "Row 4 gives 48, which is more than 36.");
    QCOMPARE(view.litRow->digit, 4); // the row the hint speaks of

    Lesson::Outcome outcome = lesson.answer("3");
    QVERIFY(outcome.kind == Lesson::Outcome::Kind::Right && !outcome.stepDone);
    view = lesson.view(); // the step's second question, asked at once
    QCOMPARE(q(view.answer->question()), "36 − 36 =");
    // The verdict is the digit's, said before the words; the new box has
    // nothing under it yet. The digit stands in the quotient at once.
    QCOMPARE(q(view.answer->hint), "");
    QVERIFY2(q(view.words).startsWith("Right! Row 3 gives 36."), view.words.c_str());
    QCOMPARE(q(view.longWorking.text().front()), "      3  ");
    QVERIFY(view.litRow->digit == 3 && !view.digitsHidden);

    outcome = lesson.answer("0");
    QVERIFY(outcome.stepDone && !outcome.finished);
    view = lesson.view();
    QCOMPARE(q(view.answer->hint), "Right! Press Next for step 3.");
    QVERIFY(!view.answer->open && view.canGoOn);

    QVERIFY(lesson.goTo(2));
    QCOMPARE(q(lesson.view().answer->question()), "How many times does 12 go into 8?");
    QVERIFY(lesson.reveal().stepDone);
    QCOMPARE(q(lesson.view().answer->hint), "12 does not go into 8: write 0 in the quotient. Press Next for step 4.");

    QVERIFY(lesson.goTo(3));
    lesson.answer("7");
    outcome = lesson.answer("0");
    QVERIFY(outcome.finished);
    QCOMPARE(q(lesson.view().answer->hint), "Right! Finished: 3684 ÷ 12 = 307, remainder 0. Right at the first try: 3 "
                                            "of 5 answers. Press Next for the result.");
    QVERIFY(lesson.goTo(4));
    QVERIFY(!lesson.view().answer); // the result asks nothing

    const ProgressRecord record = lesson.record();
    QCOMPARE(record.steps, 5);
    QCOMPARE(record.rightFirst, 3); // 0 left, 7 and 0 left
    QCOMPARE(record.shown, 1);
    QCOMPARE(record.slips[std::size_t(SlipKind::RowTooLarge)], 1);
    QCOMPARE(q(lesson.text()).count("\nStep "), 5);

    // A digit shown names its own question, before the words of the next
    // one, and nothing is left under the next box: 98 ÷ 43 is 2, 98 − 86.
    Lesson shown = Lesson::ofProblem(*readProblem("98765 ÷ 43").problem);
    shown.setPractising(true);
    QVERIFY(shown.goTo(1));
    QVERIFY(!shown.reveal().stepDone);
    view = shown.view();
    QCOMPARE(q(view.answer->question()), "98 − 86 =");
    QCOMPARE(q(view.answer->hint), "");
    QVERIFY2(q(view.words).startsWith("43 goes into 98 2 times. Row 2 gives 86."), view.words.c_str());
    QVERIFY(shown.reveal().stepDone);
    QCOMPARE(q(shown.view().answer->hint), "98 − 86 = 12. Press Next for step 3.");
    QVERIFY(shown.goTo(2) && !q(shown.view().words).startsWith("43")); // said at its own step only

    // Dividing by 0 shows words and no steps.
    const Lesson byZero = Lesson::ofProblem(*readProblem("5 ÷ 00").problem);
    QVERIFY(!byZero.view().hasSteps && q(byZero.view().words).contains("dividing by 0 has no answer"));
}

void TestLesson::productWatchedThenWorked()
{
    // 307 × 12: rows 307 × 2 = 614 and 307 × 1 = 307, then 614 + 3070 = 3684.
    Lesson lesson(exerciseFor(ProductRecord{{3, 0, 7}, 12.0, "3684"}));
    QCOMPARE(lesson.stepCount(), 3);
    QVERIFY(lesson.goTo(2));
    StepView view = lesson.view();
    QVERIFY(view.showColumns && !view.canGoOn && view.canGoBack && !view.answer);
    QCOMPARE(q(view.longWorking.text().back()).trimmed(), "3684");
    QCOMPARE(lesson.columnLines().size(), 4u);

    lesson.setPractising(true); // starts afresh at the first step
    QCOMPARE(lesson.step(), 0);
    view = lesson.view();
    QVERIFY(view.digitsHidden && view.answer->open && view.litRow->digit == 2);
    QVERIFY(!q(view.longWorking.text().back()).contains("614"));
    lesson.answer("604"); // the tens diagonal, 0 + 1, written 0
    QCOMPARE(lesson.view().markedDiagonal, std::optional<std::size_t>(1));
    lesson.answer("614");
    QVERIFY(lesson.view().longWorking.text().back().find("614") != std::string::npos);
    QVERIFY(lesson.workedInPart() && !lesson.finished());
    QCOMPARE(q(lesson.text()).count("\nStep "), 1); // only the steps answered

    lesson.setPractising(false); // watching keeps the step
    QCOMPARE(lesson.step(), 0);
    QVERIFY(lesson.goTo(2));
}

// A line of figures as "runs": each run as text@column-from-the-right, a
// rule as -width@column, a row of the sum marked with "row:".
QString runsOf(const Figures& figures)
{
    QStringList lines;
    for (const FigureLine& line : figures.lines()) {
        QStringList runs;
        for (const FigureRun& run : line.runs)
            runs << (run.kind == FigureRun::Kind::Rule ? QString("-%1").arg(run.width) : q(run.text))
                        + QString("@%1").arg(run.right);
        lines << (line.isRow ? "row:" : "") + runs.join(' ');
    }
    return lines.join(" | ");
}

void TestLesson::figuresAsData_data()
{
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("runs");
    QTest::addColumn<QString>("text");
    // 307 × 12 at its second row: 614 and 3070 shown, the total not yet.
    QTest::newRow("307 × 12, step 2") << "307 × 12" << 1 << "307@0 | ×@3 12@0 | -4@0 | row:614@0 | row:3070@0"
                                      << " 307|× 12|----| 614|3070";
    // The adding step: the total under a second rule.
    QTest::newRow("307 × 12, step 3") << "307 × 12" << 2
                                      << "307@0 | ×@3 12@0 | -4@0 | row:614@0 | row:3070@0 | -4@0 | 3684@0"
                                      << " 307|× 12|----| 614|3070|----|3684";
    // A 0 digit adds no row; with one row left there is no adding step, and
    // no rule and total under the row: it is the product.
    QTest::newRow("58 × 70, step 2") << "58 × 70" << 1 << "58@0 | ×@3 70@0 | -4@0 | row:4060@0"
                                     << "  58|× 70|----|4060";
    // 3684 ÷ 12 at its last quotient digit: 3, 0, 7 over the dividend; 36
    // taken from 36, 8 and 4 brought down, 84 taken from 84.
    QTest::newRow("3684 ÷ 12, step 4")
        << "3684 ÷ 12" << 3 << "3@2 0@1 7@0 | -4@0 | 3684@0 )@5 12@7 | 36@2 | -2@2 | 84@0 | 84@0 | -2@0 | 0@0"
        << "      307|     ----|12 ) 3684|     36  |     --  |       84|       84|       --|        0";
    // Before the first quotient digit only the frame: its line is blank.
    QTest::newRow("3684 ÷ 12, multiples") << "3684 ÷ 12" << 0 << " | -4@0 | 3684@0 )@5 12@7"
                                          << "         |     ----|12 ) 3684";
}

void TestLesson::figuresAsData()
{
    QFETCH(QString, problem);
    QFETCH(int, step);
    Lesson lesson = Lesson::ofProblem(*readProblem(problem.toStdString()).problem);
    QVERIFY(step == 0 || lesson.goTo(step));
    const Figures figures = lesson.view().longWorking;
    QTEST(runsOf(figures), "runs");
    QStringList text;
    for (const std::string& line : figures.text())
        text << q(line);
    QTEST(text.join('|'), "text");
}

void TestLesson::wholeWorkingWhileWorked()
{
    // Paper gets every step as watched, while the learner is at step 1 with
    // a wrong answer typed, and the learner's lesson is left where it was.
    Lesson lesson = Lesson::ofProblem(*readProblem("307 × 12").problem);
    lesson.setPractising(true);
    lesson.answer("624");
    const std::vector<StepView> steps = lesson.wholeWorking();
    QCOMPARE(steps.size(), 3u);
    for (const StepView& view : steps)
        QVERIFY(!view.answer && !view.digitsHidden && !view.markedDiagonal && view.hasSteps);
    QCOMPARE(q(steps[0].counter), "Step 1 of 3");
    QCOMPARE(steps[0].longWorking.rowLines(), std::vector<int>{3});
    QVERIFY(steps[2].showColumns);
    const StepView now = lesson.view();
    QVERIFY(now.answer && now.answer->open && now.markedDiagonal == std::optional<std::size_t>(1));
    QCOMPARE(now.answer->asked.left + "|" + now.answer->asked.sign + "|" + now.answer->asked.right,
             std::string("307|×|2"));
}

QTEST_GUILESS_MAIN(TestLesson)
#include "tst_lesson.moc"
