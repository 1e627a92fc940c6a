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
    QCOMPARE(q(view.answer->question()), "36 ÷ 12 =");
    QCOMPARE(q(view.answer->name), "Answer for step 2 of 5: 36 ÷ 12");
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
    QCOMPARE(q(view.answer->hint), "Right!");
    QVERIFY(view.litRow->digit == 3 && !view.digitsHidden);

    outcome = lesson.answer("0");
    QVERIFY(outcome.stepDone && !outcome.finished);
    view = lesson.view();
    QCOMPARE(q(view.answer->hint), "Right! Press Next for step 3.");
    QVERIFY(!view.answer->open && view.canGoOn);

    QVERIFY(lesson.goTo(2));
    QCOMPARE(q(lesson.view().answer->question()), "8 ÷ 12 =");
    QVERIFY(lesson.reveal().stepDone);
    QCOMPARE(q(lesson.view().answer->hint), "The answer is 0. Press Next for step 4.");

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

    // Dividing by 0 shows words and no steps.
    const Lesson byZero = Lesson::ofProblem(*readProblem("5 ÷ 00").problem);
    QVERIFY(!byZero.view().hasSteps && q(byZero.view().words).contains("dividing by 0 has no answer"));
}

void TestLesson::productWatchedThenWorked()
{
    // 307 × 12: rows 307 × 2 = 614 and 307 × 1 = 307, then 614 + 3070 = 3684.
    Lesson lesson = Lesson::ofProduct({{3, 0, 7}, 12.0, "3684"});
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

QTEST_GUILESS_MAIN(TestLesson)
#include "tst_lesson.moc"
