// Long division read off the divisor's rods: exact against integer
// arithmetic for random problems up to 15 digits by 8, hand-worked divisions
// step by step, and the words of one of them.
#include "tutor/division/division.h"
#include "tutor/division/division_practice.h"
#include "tutor/division/division_words.h"
#include "tutor/exact_numbers.h"
#include "tutor/problems/problem.h"

#include <QRandomGenerator>
#include <QTest>

using namespace rods;

namespace {

QString words(const std::string& s) { return QString::fromStdString(s); }

Division divide(const std::string& rods, std::uint64_t dividend)
{
    const std::optional<Division> division = divideOnRods(boardOf(rods), dividend);
    if (!division)
        qFatal("no division");
    return *division;
}

} // namespace

class TestDivision : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void handWorked_data();
    void handWorked();
    void randomDivisionsAreExact();
    void byZeroThereIsNone();
    void wordsOf3684By12();
    void longDivisionAsOnPaper();
    void problemsAsTyped_data();
    void problemsAsTyped();
    void slipsAndTheirHints_data();
    void slipsAndTheirHints();
    void workedToTheEnd();
};

void TestDivision::handWorked_data()
{
    QTest::addColumn<QString>("rods");
    QTest::addColumn<qulonglong>("dividend");
    QTest::addColumn<QList<qulonglong>>("parts"); // the part each step takes
    QTest::addColumn<QString>("quotient");
    QTest::addColumn<qulonglong>("remainder");

    // 36 - 36 = 0, bring down 8: 8 < 12, write 0; bring down 4: 84 - 84.
    QTest::newRow("3684 / 12") << "12" << 3684ULL << QList<qulonglong>{36, 8, 84} << "307" << 0ULL;
    // 98 - 86 = 12; 127 - 86 = 41; 416 - 387 = 29; 295 - 258 = 37.
    QTest::newRow("98765 / 43") << "43" << 98765ULL << QList<qulonglong>{98, 127, 416, 295} << "2296" << 37ULL;
    QTest::newRow("less than the divisor") << "12" << 5ULL << QList<qulonglong>{5} << "0" << 5ULL;
    QTest::newRow("a leading 0 rod") << "07" << 50ULL << QList<qulonglong>{50} << "7" << 1ULL;
    QTest::newRow("dividend 0") << "3" << 0ULL << QList<qulonglong>{0} << "0" << 0ULL;
    // 1000 / 8: 10 - 8 = 2; 20 - 16 = 4; 40 - 40 = 0.
    QTest::newRow("1000 / 8") << "8" << 1000ULL << QList<qulonglong>{10, 20, 40} << "125" << 0ULL;
}

void TestDivision::handWorked()
{
    QFETCH(QString, rods);
    QFETCH(qulonglong, dividend);
    QFETCH(QList<qulonglong>, parts);
    QFETCH(QString, quotient);
    QFETCH(qulonglong, remainder);
    const Division division = divide(rods.toStdString(), dividend);
    QList<qulonglong> taken;
    for (const DivisionStep& step : division.steps)
        taken << step.part;
    QCOMPARE(taken, parts);
    QCOMPARE(words(withoutLeadingZeros(division.quotient)), quotient);
    QCOMPARE(qulonglong(division.remainder), remainder);
}

void TestDivision::randomDivisionsAreExact()
{
    QRandomGenerator rng(20261207);
    for (int problem = 0; problem < 20000; ++problem) {
        std::string rods;
        for (int i = int(rng.bounded(1, 9)); i > 0; --i)
            rods += char('0' + rng.bounded(10));
        const std::uint64_t divisor = std::stoull(rods);
        if (divisor == 0)
            continue;
        std::uint64_t dividend = 0;
        for (int i = int(rng.bounded(1, 16)); i > 0; --i)
            dividend = dividend * 10 + rng.bounded(10u);
        const Division division = divide(rods, dividend);
        const QByteArray what = QByteArray::number(qulonglong(dividend)) + " / " + rods.c_str();

        QCOMPARE(words(withoutLeadingZeros(division.quotient)), QString::number(dividend / divisor));
        QVERIFY2(division.remainder == dividend % divisor, what);
        QVERIFY2(division.remainder < divisor, what);
        for (std::size_t r = 0; r <= 9; ++r)
            QVERIFY2(division.rows[r] == divisor * r, what);
        // The first part: the fewest leading digits the divisor goes into,
        // or all of them.
        const std::string digits = std::to_string(dividend);
        std::size_t first = 1;
        while (first < digits.size() && std::stoull(digits.substr(0, first)) < divisor)
            ++first;
        QVERIFY2(division.steps.size() == digits.size() - first + 1, what);
        QVERIFY2(division.steps.front().part == std::stoull(digits.substr(0, first)), what);
        for (const DivisionStep& step : division.steps) {
            // The largest row not above the part, and what is left of it.
            QVERIFY2(divisor * std::uint64_t(step.row) <= step.part, what);
            QVERIFY2(step.row == 9 || divisor * std::uint64_t(step.row + 1) > step.part, what);
            QVERIFY2(step.left == step.part - divisor * std::uint64_t(step.row), what);
            // The columns subtract with their borrows and give what is left.
            std::uint64_t left = 0, scale = 1;
            int lent = 0;
            for (const Place& column : step.columns) {
                QVERIFY2(column.in == lent, what);
                QVERIFY2(column.parts[0] - lent + (column.borrows ? 10 : 0) - column.parts[1] == column.result, what);
                QVERIFY2(column.result >= 0 && column.result <= 9, what);
                left += std::uint64_t(column.result) * scale;
                scale *= 10;
                lent = column.borrows ? 1 : 0;
            }
            QVERIFY2(lent == 0 && left == step.left, what);
        }
    }
}

void TestDivision::byZeroThereIsNone()
{
    QVERIFY(!divideOnRods(boardOf("0"), 12).has_value());
    QVERIFY(!divideOnRods(boardOf("000"), 0).has_value());
    QVERIFY(!divideOnRods(BoardState(), 12).has_value());
}

void TestDivision::wordsOf3684By12()
{
    const Division division = divide("12", 3684);
    QCOMPARE(words(divisionOf(division)), QString("3684 ÷ 12"));
    QCOMPARE(words(multiplesInWords(division)),
             QString("The rods of 12 and the index rod give the multiples of 12, row by row: row 1: 12; row 2: 24; "
                     "row 3: 36; row 4: 48; row 5: 60; row 6: 72; row 7: 84; row 8: 96; row 9: 108."));
    QCOMPARE(words(quotientStepInWords(division, 0)),
             QString("Take 36, the fewest leading digits of 3684 that 12 goes into. The largest row not more than 36 "
                     "is row 3: 36. Write 3 in the quotient. 36 − 36 = 0: units: 6 − 6 = 0; tens: 3 − 3 = 0. Bring "
                     "down 8: 8."));
    QCOMPARE(words(quotientStepInWords(division, 1)),
             QString("12 does not go into 8: write 0 in the quotient. Bring down 4: 84."));
    QCOMPARE(words(quotientStepInWords(division, 2)),
             QString("The largest row not more than 84 is row 7: 84. Write 7 in the quotient. 84 − 84 = 0: units: "
                     "4 − 4 = 0; tens: 8 − 8 = 0."));
    QCOMPARE(words(divisionResultInWords(division)),
             QString("3684 ÷ 12 = 307, remainder 0. Check: 307 × 12 + 0 = 3684."));
    // Borrows: 127 - 86 in 98765 / 43.
    const Division borrowing = divide("43", 98765);
    QCOMPARE(words(subtractionInWords(borrowing.steps[1].columns)),
             QString("units: 7 − 6 = 1; tens: 2 is less than 8, so borrow 1 from the next column: 12 − 8 = 4; "
                     "hundreds: 1 lent 1 to the column on its right, so it is 0 now: 0 − 0 = 0"));
    // 416 - 387: the tens' 1 lent 1 and still borrows.
    QCOMPARE(words(columnSubtractionInWords(borrowing.steps[2].columns[1])),
             QString("1 lent 1 to the column on its right and is too small for 8, so borrow 1 from the next column: "
                     "11 − 1 − 8 = 2"));
}

void TestDivision::longDivisionAsOnPaper()
{
    auto lines = [](const Division& division, std::size_t shown) {
        QStringList all;
        for (const std::string& line : longDivision(division, shown).text())
            all << words(line);
        return all;
    };
    const Division division = divide("12", 3684);
    QCOMPARE(lines(division, 0), QStringList({"         ", "     ----", "12 ) 3684"}));
    QCOMPARE(lines(division, 1),
             QStringList({"      3  ", "     ----", "12 ) 3684", "     36  ", "     --  ", "       8 "}));
    QCOMPARE(lines(division, 3), QStringList({"      307", "     ----", "12 ) 3684", "     36  ", "     --  ",
                                              "       84", "       84", "       --", "        0"}));
    QCOMPARE(lines(divide("43", 98765), 4),
             QStringList({"      2296", "     -----", "43 ) 98765", "     86   ", "     --   ", "     127  ",
                          "      86  ", "     ---  ", "      416 ", "      387 ", "      --- ", "       295",
                          "       258", "       ---", "        37"}));
    QCOMPARE(lines(divide("12", 5), 1), QStringList({"     0", "     -", "12 ) 5"}));
    // The next digit found, before its subtraction: 3 over the 6 of 3684.
    QStringList found;
    for (const std::string& line : longDivision(division, 0, true).text())
        found << words(line);
    QCOMPARE(found, QStringList({"      3  ", "     ----", "12 ) 3684"}));
}

void TestDivision::problemsAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("read"); // the problem as the tutor writes it, or the refusal
    QTest::newRow("times") << "307 × 12"
                           << "307 × 12";
    QTest::newRow("x, no blanks") << "307x12"
                                  << "307 × 12";
    QTest::newRow("star, a leading 0 rod") << "07 * 3"
                                           << "07 × 3";
    QTest::newRow("divided by") << "3684 ÷ 12"
                                << "3684 ÷ 12";
    QTest::newRow("slash") << " 3684/12 "
                           << "3684 ÷ 12";
    QTest::newRow("colon") << "98765 : 43"
                           << "98765 ÷ 43";
    QTest::newRow("by 0 can be read") << "5 ÷ 0"
                                      << "5 ÷ 0";
    QTest::newRow("no sign")
        << "3684 12"
        << "Write the problem as two numbers with × or ÷ between them, like 307 × 12 or 3684 ÷ 12.";
    QTest::newRow("two signs") << "3 × 4 ÷ 2"
                               << "Write one sign between two numbers, like 307 × 12 or 3684 ÷ 12.";
    QTest::newRow("no divisor") << "3684 ÷"
                                << "Write a number on each side of the sign, like 307 × 12 or 3684 ÷ 12.";
    QTest::newRow("no multiplier") << "  × 12"
                                   << "Write a number on each side of the sign, like 307 × 12 or 3684 ÷ 12.";
    QTest::newRow("a point") << "2.5 × 4"
                             << "The multiplier is made of digits only: type the digits 0 to 9.";
    QTest::newRow("nine rods") << "123456789 × 2"
                               << "The multiplier has at most 8 digits.";
    QTest::newRow("sixteen digits") << "1234567890123456 ÷ 7"
                                    << "The dividend has at most 15 digits.";
    QTest::newRow("a sign") << "-5 ÷ 7"
                            << "The dividend is made of digits only: type the digits 0 to 9.";
}

void TestDivision::problemsAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, read);
    const ProblemRead problem = readProblem(typed.toStdString());
    QCOMPARE(problem.problem ? words(problemText(*problem.problem)) : words(problem.refusal), read);
}

void TestDivision::slipsAndTheirHints_data()
{
    QTest::addColumn<QString>("rods");
    QTest::addColumn<qulonglong>("dividend");
    QTest::addColumn<int>("question");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("marked"); // the row marked, 0 for none

    // 3684 / 12: 36 / 12 (question 0), 36 - 36 (1), 8 / 12 (2), 84 / 12 (3), 84 - 84 (4).
    QTest::newRow("a row too big") << "12" << 3684ULL << 0 << "4"
                                   << "Row 4 gives 48, which is more than 36." << 4;
    QTest::newRow("a row too small") << "12" << 3684ULL << 0 << "2"
                                     << "Row 2 gives 24, and 36 − 24 = 12 is not less than 12: a larger row fits." << 2;
    QTest::newRow("not 0 where it goes 0 times")
        << "12" << 3684ULL << 2 << "5"
        << "Row 1 gives 12, which is more than 8, so 12 does not go into 8: write 0 in the quotient." << 1;
    // The index rod has no row 0: row 1 says why 0 is too small.
    QTest::newRow("0 where it goes in") << "12" << 3684ULL << 0 << "0"
                                        << "Row 1 gives 12, which is not more than 36, so 12 goes into 36 at least "
                                           "once."
                                        << 1;
    QTest::newRow("a borrow not there") << "12" << 3684ULL << 1 << "9"
                                        << "Nothing was borrowed from the units column: 6 − 6 = 0, not 9." << 3;
    // 98765 / 43: 127 - 86 = 41 is question 3; 416 - 387 = 29 is question 5.
    QTest::newRow("a forgotten borrow")
        << "43" << 98765ULL << 3 << "141"
        << "Your answer has 3 digits, but 127 − 86 has 2. The hundreds column: 1 lent 1 to the column on its right, "
           "so it is 0 now: 0 − 0 = 0, not 1. The 1 it lent was forgotten."
        << 2;
    QTest::newRow("a wrong column") << "43" << 98765ULL << 3 << "51"
                                    << "The tens column: 2 is less than 8, so borrow 1 from the next column: 12 − "
                                       "8 = 4, not 5."
                                    << 2;
    QTest::newRow("a wrong column after a borrow")
        << "43" << 98765ULL << 5 << "49"
        << "The tens column: 1 lent 1 to the column on its right and is too small for 8, so borrow 1 from the next "
           "column: 11 − 1 − 8 = 2, not 4."
        << 9;
}

void TestDivision::slipsAndTheirHints()
{
    QFETCH(QString, rods);
    QFETCH(qulonglong, dividend);
    QFETCH(int, question);
    QFETCH(QString, typed);
    QFETCH(QString, hint);
    QFETCH(int, marked);
    DivisionPractice practice(divide(rods.toStdString(), dividend));
    const DivisionPractice::Attempt attempt = practice.answer(std::size_t(question), typed.toStdString());
    QCOMPARE(int(attempt.outcome), int(AnswerOutcome::Wrong));
    QCOMPARE(words(attempt.message), hint);
    QCOMPARE(attempt.markedRow.value_or(0), marked);
}

void TestDivision::workedToTheEnd()
{
    DivisionPractice practice(divide("12", 3684));
    QCOMPARE(int(practice.questions()), 5);
    QCOMPARE(words(practice.question(0).asked.question()), QString("How many times does 12 go into 36?"));
    QCOMPARE(words(practice.question(1).asked.question()), QString("36 − 36 ="));
    QCOMPARE(words(practice.question(2).task),
             QString("How many times does 12 go into 8? Find the largest row of the rods that is not more than 8, and "
                     "type its number. If even row 1 is more than 8, 12 does not go into 8: type 0."));
    // An answer shown is said with its question, in a sentence for each form.
    QCOMPARE(words(practice.question(0).asked.answered("3")), QString("12 goes into 36 3 times."));
    QCOMPARE(words(practice.question(0).asked.answered("1")), QString("12 goes into 36 once."));
    QCOMPARE(words(practice.question(2).asked.answered("0")),
             QString("12 does not go into 8: write 0 in the quotient."));
    QCOMPARE(words(practice.question(1).asked.answered("0")), QString("36 − 36 = 0."));
    // Two digits for a row, and letters, are refused and count as no try.
    QCOMPARE(int(practice.answer(0, "12").outcome), int(AnswerOutcome::Refused));
    QCOMPARE(int(practice.answer(0, "three").outcome), int(AnswerOutcome::Refused));
    for (const char* answer : {"3", "0", "0", "7"})
        QCOMPARE(int(practice.answer(practice.answered(), answer).outcome), int(AnswerOutcome::Right));
    QCOMPARE(words(practice.track().tally()), QString("Right at the first try: 4 of 5"));
    practice.reveal(4);
    QVERIFY(practice.finished());
    QCOMPARE(words(practice.summary()),
             QString("Finished: 3684 ÷ 12 = 307, remainder 0. Right at the first try: 4 of 5 answers."));
    // One question, right: no "all 1 answer were".
    DivisionPractice one(divide("12", 5));
    QCOMPARE(int(one.answer(0, "0").outcome), int(AnswerOutcome::Right));
    QCOMPARE(words(one.summary()),
             QString("Well done! 5 ÷ 12 = 0, remainder 5, and its only answer was right at the first try."));
}

QTEST_APPLESS_MAIN(TestDivision)
#include "tst_division.moc"
