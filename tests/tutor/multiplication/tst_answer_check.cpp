// A learner's answers checked against the rods: hand-made wrong answers pin
// each hint's words; random slips made from right answers by integer
// arithmetic (a dropped carry, two digits swapped, a digit off by one, a digit
// left out, a place's whole sum written) must each be found at the place the slip was made.
#include "core/board_state.h"
#include "tutor/exact_numbers.h"
#include "tutor/exercise/answer_check.h"
#include "tutor/multiplication/practice.h"
#include "tutor/multiplication/reading.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace rods;

namespace {

Reading readingOf(const std::string& rods, std::uint64_t multiplicand) { return readRods(boardOf(rods), multiplicand); }

Wide power10(std::size_t n)
{
    Wide p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// The carry into place j when the numbers are added: what their parts below
// place j add up to, in units of 10^j.
int carryInto(const std::vector<Wide>& numbers, std::size_t j)
{
    Wide low = 0;
    for (Wide n : numbers)
        low += n % power10(j);
    return int(low / power10(j));
}

QString hintFor(const std::string& rods, std::uint64_t multiplicand, std::size_t step, const char* typed)
{
    Practice practice(readingOf(rods, multiplicand));
    return QString::fromStdString(practice.answer(step, typed).message);
}

} // namespace

class TestAnswerCheck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typedAnswers_data();
    void typedAnswers();
    void hints_data();
    void hints();
    void tallyAndSummary();
    void randomSlipsAreFoundWhereMade();
};

void TestAnswerCheck::typedAnswers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("digits"); // empty when refused
    QTest::newRow("plain") << "614"
                           << "614";
    QTest::newRow("blanks anywhere") << " 6 1\t4 "
                                     << "614";
    QTest::newRow("leading zeros") << "00614"
                                   << "614";
    QTest::newRow("zero") << "000"
                          << "0";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("only blanks") << "   "
                                 << "";
    QTest::newRow("a sign") << "-614"
                            << "";
    QTest::newRow("a point") << "6.14"
                             << "";
    QTest::newRow("a letter") << "6l4"
                              << "";
    QTest::newRow("a comma") << "1,614"
                             << "";
    // Digits as a pupil's keyboard may type them are the same digits:
    // Arabic-Indic ٦١٤ (U+0666 U+0661 U+0664), Persian ۶۱۴ (U+06F6 U+06F1
    // U+06F4), full-width ６ (U+FF16), the last of each script (٩ U+0669,
    // ۹ U+06F9, ９ U+FF19), mixed with 0 to 9 and blanks.
    QTest::newRow("a wide digit") << "\xef\xbc\x96"
                                  << "6";
    QTest::newRow("Arabic-Indic") << "\xd9\xa6\xd9\xa1\xd9\xa4"
                                  << "614";
    QTest::newRow("Persian") << "\xdb\xb6\xdb\xb1\xdb\xb4"
                             << "614";
    QTest::newRow("each script's nine") << "\xd9\xa9 \xdb\xb9\xef\xbc\x99"
                                        << "999";
    QTest::newRow("mixed scripts") << "3\xd9\xa6 8\xef\xbc\x94"
                                   << "3684";
    // Devanagari ६१४ (U+096C U+0967 U+096A), Thai ๖ (U+0E56), and a
    // mathematical bold 9 (U+1D7D7, four bytes).
    QTest::newRow("Devanagari") << "\xe0\xa5\xac\xe0\xa5\xa7\xe0\xa5\xaa"
                                << "614";
    QTest::newRow("Thai and a bold nine") << "\xe0\xb9\x96\xf0\x9d\x9f\x97"
                                          << "69";
    // Next to the digits, but not digits: ٪ (U+066A), ۺ (U+06FA), ： (U+FF1A).
    QTest::newRow("Arabic percent") << "\xd9\xaa"
                                    << "";
    QTest::newRow("after Persian nine") << "\xdb\xba"
                                        << "";
    QTest::newRow("full-width colon") << "\xef\xbc\x9a"
                                      << "";
}

void TestAnswerCheck::typedAnswers()
{
    QFETCH(QString, typed);
    QFETCH(QString, digits);
    const TypedAnswer answer = readAnswer(typed.toStdString());
    QCOMPARE(answer.digits.has_value(), !digits.isEmpty());
    if (answer.digits)
        QCOMPARE(QString::fromStdString(*answer.digits), digits);
    else
        QVERIFY(!answer.refusal.empty());
}

void TestAnswerCheck::hints_data()
{
    QTest::addColumn<QString>("rods");
    QTest::addColumn<qulonglong>("multiplicand");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hint");

    // 58 x 7: the cells 3|5 and 5|6; diagonals 6, 5 + 5 = 10, 3 + 1 = 4.
    QTest::newRow("forgotten carry") << "58" << 7ULL << 0 << "306"
                                     << "The third diagonal from the right holds 3, plus the 1 carried from 5 + 5 "
                                        "makes 4, not 3: the carry was forgotten.";
    QTest::newRow("tens written") << "58" << 7ULL << 0 << "416"
                                  << "The second diagonal from the right holds 5 and 5, which make 10, so it gives 0, "
                                     "not 1: write its units digit, 0, and carry the 1 to the next diagonal.";
    // 307 x 2: the cells 0|6, 0|0, 1|4; diagonals 4, 0 + 1, 0 + 6.
    QTest::newRow("extra carry") << "307" << 12ULL << 0 << "624"
                                 << "The second diagonal from the right holds 0 and 1, which make 1, not 2: nothing "
                                    "is carried into this diagonal, so there is no carry to add.";
    QTest::newRow("wrong digit") << "307" << 12ULL << 0 << "617"
                                 << "The first diagonal from the right holds only 4, so it gives 4, not 7.";
    QTest::newRow("digit left out") << "307" << 12ULL << 0 << "64"
                                    << "Your answer has 2 digits, but 307 \u00d7 2 has 3. The second diagonal from the "
                                       "right holds 0 and 1, which make 1, not 6.";
    QTest::newRow("too short") << "307" << 12ULL << 0 << "14"
                               << "Your answer has 2 digits, but 307 \u00d7 2 has 3. The third diagonal from the right "
                                  "gives 6, and your answer has no digit for it.";
    QTest::newRow("too long") << "307" << 12ULL << 0 << "1614"
                              << "Your answer has 4 digits, but 307 \u00d7 2 has 3. The 1 in front is one digit too "
                                 "many.";
    QTest::newRow("one digit too many")
        << "58" << 7ULL << 0 << "3406"
        << "Your answer has 4 digits, but 58 \u00d7 7 has 3. The 3 in front is one digit "
           "too many.";
    QTest::newRow("two digits too many")
        << "58" << 7ULL << 0 << "12406"
        << "Your answer has 5 digits, but 58 \u00d7 7 has 3. The first 2 digits are too "
           "many.";
    QTest::newRow("two digits swapped")
        << "58" << 7ULL << 0 << "460"
        << "The 6 and the 0 have changed places: the first diagonal from the right gives "
           "6, and the next diagonal to its left gives 0.";
    // 379 x 6: the cells 1|8, 4|2, 5|4; diagonals 4, 2 + 5 = 7, 8 + 4 = 12,
    // 1 + 1 carried = 2: 2274. The whole 12 written, then carried (2 12 7 4)
    // or not (1 12 7 4).
    QTest::newRow("whole sum written, carried")
        << "379" << 6ULL << 0 << "21274"
        << "Your answer has 5 digits, but 379 \u00d7 6 has 4. The third diagonal from the right holds 8 and 4, which "
           "make 12: write 2 there and carry the 1 to the next diagonal. Your answer has the whole 12 in one place.";
    QTest::newRow("whole sum written, not carried")
        << "379" << 6ULL << 0 << "11274"
        << "Your answer has 5 digits, but 379 \u00d7 6 has 4. The third diagonal from the right holds 8 and 4, which "
           "make 12: write 2 there and carry the 1 to the next diagonal. Your answer has the whole 12 in one place.";
    // 307 x 12, the tens row: 307, written 3070 in the long multiplication.
    QTest::newRow("written in its place") << "307" << 12ULL << 1 << "3070"
                                          << "307 \u00d7 1 = 307, written 3070 in the tens place.";
    QTest::newRow("in its place, a wrong digit") << "307" << 12ULL << 1 << "3060"
                                                 << "The first diagonal from the right holds only 7, so it gives 7, "
                                                    "not 6.";
    QTest::newRow("in its place, a digit too many")
        << "307" << 12ULL << 1 << "30070"
        << "Your answer has 5 digits, but 307 \u00d7 1 has 3, and 4 written in the tens place. The third diagonal "
           "from the right holds 3 and 0, which make 3, not 0.";
    QTest::newRow("not in its place, swapped") << "307" << 12ULL << 1 << "370"
                                               << "The 7 and the 0 have changed places: the first diagonal from the "
                                                  "right gives 7, and the next diagonal to its left gives 0.";
    QTest::newRow("too many zeros for the place")
        << "307" << 12ULL << 1 << "30700"
        << "Your answer ends in 2 zeros, but 307 \u00d7 1 written in the tens "
           "place ends in 1 zero.";
    QTest::newRow("a zero row") << "307" << 102ULL << 1 << "307"
                                << "Your answer has 3 digits, but 307 \u00d7 0 has 1. Any number times 0 is 0.";
    // 307 x 12: 614 + 3070; the columns 4 + 0, 1 + 7, 6 + 0, 3.
    QTest::newRow("sum, wrong column") << "307" << 12ULL << 2 << "3674"
                                       << "The tens column holds 1 and 7, which make 8, not 7.";
    // 99 x 99: 891 + 8910; tens 9 + 1 = 10, hundreds 8 + 9 + 1 = 18.
    QTest::newRow("sum, forgotten carry")
        << "99" << 99ULL << 2 << "9701"
        << "The hundreds column holds 8 and 9, plus the 1 carried from the tens column makes 18, so it gives 8, not "
           "7: the carry was forgotten.";
    // The hundreds' whole 18 written: 9 18 01.
    QTest::newRow("sum, whole column written")
        << "99" << 99ULL << 2 << "91801"
        << "Your answer has 5 digits, but 99 \u00d7 99 has 4. The hundreds column holds 8 and 9, plus the 1 carried "
           "from the tens column makes 18: write 8 there and carry the 1 to the next column. Your answer has the "
           "whole 18 in one place.";
    // 9 x 19: 81 + 90; tens 8 + 9 = 17, hundreds only the carry.
    QTest::newRow("sum, carry alone") << "9" << 19ULL << 2 << "271"
                                      << "The hundreds column holds only the 1 carried from the tens column, so it "
                                         "gives 1, not 2.";
    QTest::newRow("sum, too short") << "9" << 19ULL << 2 << "71"
                                    << "Your answer has 2 digits, but 9 \u00d7 19 has 3. The hundreds column gives 1, "
                                       "and your answer has no digit for it.";
}

void TestAnswerCheck::hints()
{
    QFETCH(QString, rods);
    QFETCH(qulonglong, multiplicand);
    QFETCH(int, step);
    QFETCH(QString, typed);
    QFETCH(QString, hint);
    QCOMPARE(hintFor(rods.toStdString(), multiplicand, std::size_t(step), typed.toUtf8().constData()), hint);
}

void TestAnswerCheck::tallyAndSummary()
{
    Practice practice(readingOf("307", 12));
    QCOMPARE(practice.steps(), std::size_t(3));
    QCOMPARE(QString::fromStdString(practice.track().tally()), QString("Right at the first try: 0 of 3"));

    // Refused answers are no try; a step cannot be skipped by answering a later one.
    QVERIFY(practice.answer(0, "").outcome == Practice::Attempt::Outcome::Refused);
    QVERIFY(practice.answer(0, "6x4").outcome == Practice::Attempt::Outcome::Refused);
    QCOMPARE(practice.reachable(), std::size_t(0));
    QVERIFY(practice.answer(0, " 6 14").outcome == Practice::Attempt::Outcome::Right);
    QVERIFY(practice.answer(0, "614").outcome == Practice::Attempt::Outcome::Refused);
    QCOMPARE(practice.reachable(), std::size_t(1));
    QCOMPARE(QString::fromStdString(practice.track().tally()), QString("Right at the first try: 1 of 3"));

    // Wrong first, then right: not at the first try.
    QVERIFY(practice.answer(1, "370").outcome == Practice::Attempt::Outcome::Wrong);
    QVERIFY(practice.answer(1, "307").outcome == Practice::Attempt::Outcome::Right);
    QCOMPARE(QString::fromStdString(practice.track().tally()), QString("Right at the first try: 1 of 3"));
    QVERIFY(!practice.finished());

    practice.reveal(2);
    QVERIFY(practice.finished());
    QCOMPARE(practice.reachable(), std::size_t(2));
    QCOMPARE(QString::fromStdString(practice.summary()),
             QString("Finished: 307 \u00d7 12 = 3684. Right at the first try: 1 of 3 steps."));

    Practice perfect(readingOf("307", 12));
    for (const char* answer : {"614", "307", "3684"})
        perfect.answer(perfect.reachable(), answer);
    QCOMPARE(QString::fromStdString(perfect.summary()),
             QString("Well done! 307 \u00d7 12 = 3684, and all 3 steps were right at the first try."));
    // 4 x 2 = 8: one row and no adding, one step.
    Practice one(readingOf("4", 2));
    one.answer(0, "8");
    QCOMPARE(QString::fromStdString(one.summary()),
             QString("Well done! 4 \u00d7 2 = 8, and its only step was right at the first try."));
}

void TestAnswerCheck::randomSlipsAreFoundWhereMade()
{
    QRandomGenerator rng(7121226);
    int slipsTried = 0;
    for (int problem = 0; problem < 3000; ++problem) {
        std::string rods;
        const int rodCount = rng.bounded(1, 9);
        for (int i = 0; i < rodCount; ++i)
            rods += char('0' + rng.bounded(10));
        const int multiplicandDigits = rng.bounded(1, 16);
        std::uint64_t multiplicand = 0;
        for (int i = 0; i < multiplicandDigits; ++i)
            multiplicand = multiplicand * 10 + rng.bounded(10u);
        const Practice practice(readingOf(rods, multiplicand));
        const Wide multiplier = std::stoull(rods);

        // Each step is a sum done place by place: of the rods' units and tens
        // halves for a row, of the shifted rows for the last step.
        std::vector<std::vector<Wide>> addends;
        std::vector<Wide> rows;
        Wide shift = 1;
        for (std::uint64_t rest = multiplicand;;) {
            const unsigned digit = unsigned(rest % 10);
            Wide units = 0, tens = 0;
            for (char rod : rods) {
                const unsigned multiple = unsigned(rod - '0') * digit;
                units = units * 10 + multiple % 10;
                tens = tens * 10 + multiple / 10;
            }
            addends.push_back({units, tens * 10});
            rows.push_back(multiplier * digit * shift);
            shift *= 10;
            rest /= 10;
            if (rest == 0)
                break;
        }
        // The rows are added in a step of their own only where two or more
        // are not 0.
        if (std::count_if(rows.begin(), rows.end(), [](Wide row) { return row != 0; }) >= 2)
            addends.push_back(rows);
        QCOMPARE(practice.steps(), addends.size());

        const std::size_t step = rng.bounded(quint32(addends.size()));
        Wide rightValue = 0;
        for (Wide n : addends[step])
            rightValue += n;
        const std::string right = text(rightValue);
        QCOMPARE(practice.question(step).answer, right);
        const std::vector<Place>& places = practice.question(step).places;
        QCOMPARE(checkAnswer(right, places, right).slip, Slip::None);
        if (right.size() < 2)
            continue;

        const std::size_t j = rng.bounded(quint32(right.size()));
        const std::size_t at = right.size() - 1 - j; // index of place j in the text
        const int digit = right[at] - '0';
        const int carry = carryInto(addends[step], j);
        std::string typed = right;
        auto digitAt = [&typed](std::size_t place) { return typed[typed.size() - 1 - place]; };
        switch (rng.bounded(5)) {
        case 0: // a dropped carry
            if (carry == 0)
                continue;
            typed[at] = char('0' + (digit - carry % 10 + 10) % 10);
            if (typed[0] == '0' || typed == right)
                continue;
            {
                const AnswerCheck check = checkAnswer(right, places, typed);
                QCOMPARE(check.slip, Slip::ForgottenCarry);
                QCOMPARE(check.place, j);
            }
            break;
        case 1: { // two neighbouring digits swapped
            if (j + 1 >= right.size() || digitAt(j) == digitAt(j + 1))
                continue;
            std::swap(typed[at], typed[at - 1]);
            if (typed[0] == '0')
                continue;
            const AnswerCheck check = checkAnswer(right, places, typed);
            QVERIFY(!check.right());
            QCOMPARE(check.place, j);
            QCOMPARE(check.typedDigit, right[at - 1] - '0');
            break;
        }
        case 2: { // a digit one too high or too low
            const int change = rng.bounded(2) == 0 ? 1 : -1;
            typed[at] = char('0' + (digit + change + 10) % 10);
            if (typed[0] == '0')
                continue;
            const AnswerCheck check = checkAnswer(right, places, typed);
            QCOMPARE(check.place, j);
            QCOMPARE(check.rightDigit, digit);
            if (change == 1 && carry == 0)
                QVERIFY(check.slip == Slip::ExtraCarry || check.slip == Slip::TensWritten);
            if (change == -1 && carry == 1)
                QCOMPARE(check.slip, Slip::ForgottenCarry);
            break;
        }
        case 3: { // the place's whole sum written where its digit belongs, and carried
            Wide sum = Wide(carry);
            for (Wide n : addends[step])
                sum += n / power10(j) % 10;
            if (sum < 10)
                continue;
            typed = right.substr(0, at) + text(sum) + right.substr(at + 1);
            const AnswerCheck check = checkAnswer(right, places, typed);
            QCOMPARE(check.slip, Slip::WholeSumWritten);
            // A run of 1s may let a place to the right explain it as well.
            QVERIFY(check.place <= j);
            break;
        }
        default: { // a digit left out
            typed.erase(at, 1);
            if (typed[0] == '0')
                continue;
            const AnswerCheck check = checkAnswer(right, places, typed);
            QVERIFY(check.wrongLength());
            QCOMPARE(check.typedLength, right.size() - 1);
            QVERIFY(check.place >= j);
            break;
        }
        }
        ++slipsTried;
    }
    QVERIFY(slipsTried > 1000);
}

QTEST_APPLESS_MAIN(TestAnswerCheck)
#include "tst_answer_check.moc"
