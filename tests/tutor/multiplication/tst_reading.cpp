// Reading products off the rods: hand-worked examples pin the words, the
// carries and the long multiplication; a property test checks every partial
// product and every sum against 128-bit integer arithmetic.
#include "core/board_state.h"
#include "core/product.h"
#include "tutor/exact_numbers.h"
#include "tutor/multiplication/reading.h"
#include "tutor/multiplication/reading_words.h"
#include "tutor/multiplication/working.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace rods;

namespace {

QString words(const std::string& s) { return QString::fromStdString(s); }

} // namespace

class TestReading : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void rowsInWords_data();
    void rowsInWords();
    void sumInWords_data();
    void sumInWords();
    void longMultiplicationOf307Times12();
    void noReading_data();
    void noReading();
    void productSentence();
    void readingMatchesExactArithmetic();
};

void TestReading::rowsInWords_data()
{
    QTest::addColumn<QString>("rods");
    QTest::addColumn<qulonglong>("multiplicand");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("partial");

    QTest::newRow("307 x 12, units")
        << "307" << 12ULL << 0
        << "The units digit of 12 is 2: read row 2. From the right: the units of 7 give 4; "
           "the units of 0 and the tens of 7 give 0 + 1 = 1; the units of 3 and the tens "
           "of 0 give 6 + 0 = 6. So 307 × 2 = 614."
        << "614";
    QTest::newRow("307 x 12, tens")
        << "307" << 12ULL << 1
        << "The tens digit of 12 is 1: read row 1. From the right: the units of 7 give 7; the units of 0 and the tens "
           "of 7 give 0 + 0 = 0; the units of 3 and the tens of 0 give 3 + 0 = 3. So 307 × 1 = 307, and in the tens "
           "place 3070."
        << "307";
    QTest::newRow("a carry") << "58" << 7ULL << 0
                             << "The units digit of 7 is 7: read row 7. From the right: the units of 8 give 6; the "
                                "units of 5 and the tens of 8 give 5 + 5 = 10: write 0, carry 1; the tens of 5 and "
                                "the 1 carried give 3 + 1 = 4. So 58 × 7 = 406."
                             << "406";
    QTest::newRow("a carry into the first rod's zero tens")
        << "19" << 9ULL << 0
        << "The units digit of 9 is 9: read row 9. From the right: the units of 9 give 1; the units of 1 and the tens "
           "of "
           "9 give 9 + 8 = 17: write 7, carry 1; the tens of 1 and the 1 carried give 0 + 1 = 1. So 19 × 9 = 171."
        << "171";
    QTest::newRow("a 0 digit") << "307" << 102ULL << 1
                               << "The tens digit of 102 is 0: 307 × 0 = 0, so this row adds nothing."
                               << "0";
    QTest::newRow("a leading 0 rod")
        << "07" << 3ULL << 0
        << "The units digit of 3 is 3: read row 3. From the right: the units of 7 give 1; the units of 0 and the tens "
           "of 7 give 0 + 2 = 2. So 7 × 3 = 21."
        << "21";
    QTest::newRow("one rod 0")
        << "0" << 5ULL << 0
        << "The units digit of 5 is 5: read row 5. From the right: the units of 0 give 0. So 0 × 5 "
           "= 0."
        << "0";
    QTest::newRow("hundred-trillions") << "2" << 400000000000000ULL << 14
                                       << "The hundred-trillions digit of 400000000000000 is 4: read row 4. From the "
                                          "right: the units of 2 give 8. So 2 × 4 = 8, and in the hundred-trillions "
                                          "place 800000000000000."
                                       << "8";
}

void TestReading::rowsInWords()
{
    QFETCH(QString, rods);
    QFETCH(qulonglong, multiplicand);
    QFETCH(int, row);
    QFETCH(QString, expected);
    QFETCH(QString, partial);
    const Reading reading = readRods(boardOf(rods.toStdString()), multiplicand);
    QCOMPARE(words(rowInWords(reading, std::size_t(row))), expected);
    QCOMPARE(words(reading.rows.at(std::size_t(row)).partial), partial);
}

void TestReading::sumInWords_data()
{
    QTest::addColumn<QString>("rods");
    QTest::addColumn<qulonglong>("multiplicand");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("lastStep"); // its last words
    QTest::addColumn<QStringList>("columns");

    QTest::newRow("307 x 12") << "307" << 12ULL << "3684"
                              << "So 307 × 12 = 3684, the product in the list."
                              << QStringList{"units: 4 + 0 = 4", "tens: 1 + 7 = 8", "hundreds: 6 + 0 = 6",
                                             "thousands: 3"};
    QTest::newRow("a carry between columns")
        << "307" << 102ULL << "31314"
        << "So 307 × 102 = 31314, the product in the list."
        << QStringList{"units: 4 + 0 = 4", "tens: 1 + 0 = 1", "hundreds: 6 + 7 = 13: write 3, carry 1",
                       "thousands: 0 + 1 carried = 1", "ten-thousands: 3"};
    // One row that is not 0: no adding step; the last row gives the product.
    QTest::newRow("one row") << "58" << 7ULL << "406"
                             << "So 58 × 7 = 406. Only one row is not 0, so it is the product: 58 × 7 = 406, the "
                                "product in the list."
                             << QStringList{};
    QTest::newRow("one row in the tens") << "307" << 20ULL << "6140"
                                         << "Only one row is not 0, so it is the product: 307 × 20 = 6140, the "
                                            "product in the list."
                                         << QStringList{};
    QTest::newRow("multiplicand 0") << "58" << 0ULL << "0"
                                    << "this row adds nothing. Every row is 0, so 58 × 0 = 0, the product in the list."
                                    << QStringList{};
    // 99999999 x 999999999999999 = 99999998999999900000001 (by hand: 10^8 x 10^15 - 10^8 - 10^15 + 1).
    QTest::newRow("exponent form") << "99999999" << 999999999999999ULL << "9.99999990000000E+22"
                                   << "So 99999999 × 999999999999999 = 99999998999999900000001. The list shows this "
                                      "product as 9.99999990000000E+22, rounded to 15 significant digits."
                                   << QStringList{};
}

void TestReading::sumInWords()
{
    QFETCH(QString, rods);
    QFETCH(qulonglong, multiplicand);
    QFETCH(QString, listed);
    QFETCH(QString, lastStep);
    QFETCH(QStringList, columns);
    const Reading reading = readRods(boardOf(rods.toStdString()), multiplicand);
    // A step for each digit of the multiplicand, and one to add the rows
    // where two or more are not 0.
    const int digits = int(std::to_string(multiplicand).size());
    const bool adds = QString::fromStdString(reading.multiplicand).count(QRegularExpression("[1-9]")) >= 2
                      && rods.contains(QRegularExpression("[1-9]"));
    QCOMPARE(int(reading.steps()), digits + (adds ? 1 : 0));
    const QString said = words(stepInWords(reading, reading.steps() - 1, listed.toStdString()));
    QVERIFY2(said.endsWith(lastStep), qPrintable(said));
    if (!columns.isEmpty()) {
        QStringList lines;
        for (const std::string& line : columnLines(reading))
            lines << words(line);
        QCOMPARE(lines, columns);
    }
}

void TestReading::longMultiplicationOf307Times12()
{
    const Reading reading = readRods(boardOf("307"), 12);
    auto lines = [&reading](std::size_t rows) {
        QStringList shown;
        for (const std::string& line : longMultiplication(reading, rows).text())
            shown << words(line);
        return shown;
    };
    QCOMPARE(lines(0), QStringList({" 307", "× 12", "----"}));
    // One row has nothing to add: no rule and no total repeating it.
    QCOMPARE(lines(1), QStringList({" 307", "× 12", "----", " 614"}));
    QCOMPARE(lines(3), QStringList({" 307", "× 12", "----", " 614", "3070", "----", "3684"}));
    // A 0 digit adds no line; the carry makes the total one digit wider.
    const Reading wider = readRods(boardOf("99"), 909);
    QStringList all;
    for (const std::string& line : longMultiplication(wider, 3).text())
        all << words(line);
    QCOMPARE(all, QStringList({"   99", "× 909", "-----", "  891", "89100", "-----", "89991"}));
}

void TestReading::noReading_data()
{
    QTest::addColumn<QString>("rods");
    QTest::addColumn<double>("multiplicand");
    QTest::addColumn<QString>("because");

    QTest::newRow("no rods") << "" << 12.0 << "There are no rods on the board";
    QTest::newRow("a fraction") << "307" << 2.5 << "The multiplicand 2.5 is not a whole number";
    QTest::newRow("negative") << "307" << -3.0 << "The multiplicand -3 is less than 0";
    QTest::newRow("a negative fraction") << "307" << -0.5 << "The multiplicand -0.5 is less than 0";
    QTest::newRow("sixteen digits") << "307" << 1e15 << "The multiplicand 1E+15 has more than 15 digits";
    QTest::newRow("huge") << "307" << 1e20 << "The multiplicand 1E+20 has more than 15 digits";
}

void TestReading::noReading()
{
    QFETCH(QString, rods);
    QFETCH(double, multiplicand);
    QFETCH(QString, because);
    ProductRecord record;
    for (QChar digit : rods)
        record.rods.push_back(digit.digitValue());
    record.multiplicand = multiplicand;
    const Working working = workOut(record);
    QVERIFY(!working.reading);
    QVERIFY2(words(working.whyNot).startsWith(because), working.whyNot.c_str());

    // The largest multiplicand that is read, and negative zero, have readings.
    record.rods = {3};
    record.multiplicand = 999999999999999.0;
    QCOMPARE(words(workOut(record).reading->product), QString("2999999999999997"));
    record.multiplicand = -0.0;
    QCOMPARE(words(workOut(record).reading->product), QString("0"));
}

void TestReading::productSentence()
{
    QCOMPARE(words(rods::productSentence({{3, 0, 7}, 12.0, "3684"})), QString("307 × 12 = 3684"));
    QCOMPARE(words(workingTitle({{0, 7}, 3.0, "21"})), QString("Working: 07 × 3"));
    QCOMPARE(words(workingTitle({{}, 12.0, "0"})), QString("Working: 0 × 12"));
    QCOMPARE(words(rods::productSentence({{3, 0, 7}, 2.5, "767.5"})), QString("307 × 2.5 = 767.5"));
}

void TestReading::readingMatchesExactArithmetic()
{
    QRandomGenerator rng(20261207);
    for (int trial = 0; trial < 20000; ++trial) {
        std::string rods;
        const int rodCount = int(rng.bounded(1, 9));
        for (int i = 0; i < rodCount; ++i)
            rods += char('0' + rng.bounded(10));
        std::uint64_t m = 0;
        const int digits = int(rng.bounded(1, 16));
        for (int i = 0; i < digits; ++i)
            m = m * 10 + rng.bounded(10U);

        Wide multiplier = 0;
        for (char d : rods)
            multiplier = multiplier * 10 + Wide(d - '0');
        const BoardState board = boardOf(rods);
        const Reading reading = readRods(board, m);
        const QString context = QString("%1 x %2").arg(QString::fromStdString(rods)).arg(m);

        const std::string mText = text(m);
        QCOMPARE(reading.rows.size(), mText.size());
        for (std::size_t place = 0; place < reading.rows.size(); ++place) {
            const RowReading& row = reading.rows[place];
            const int digit = mText[mText.size() - 1 - place] - '0';
            QCOMPARE(row.digit, digit);
            QVERIFY2(row.partial == text(multiplier * Wide(digit)), qPrintable(context));
            if (digit == 0)
                continue;
            // Every diagonal adds its halves and the carry from its right.
            int carry = 0;
            Wide fromDiagonals = 0, unit = 1;
            for (const Place& diagonal : row.diagonals) {
                int sum = carry;
                for (int half : diagonal.parts)
                    sum += half;
                QCOMPARE(diagonal.in, carry);
                QCOMPARE(diagonal.result, sum);
                carry = sum / 10;
                fromDiagonals += unit * Wide(sum % 10);
                unit *= 10;
            }
            QCOMPARE(carry, 0);
            QVERIFY2(fromDiagonals == multiplier * Wide(digit), qPrintable(context));
        }
        QVERIFY2(reading.product == text(multiplier * Wide(m)), qPrintable(context));

        // GO, given the same numbers, lists the same product while it is exact.
        MultiplicandTexts boxes{"0", "0", "0", "0", "0", "0", std::to_string(m)};
        const ProductOutcome listed = computeProduct(board, boxes);
        if (multiplier * Wide(m) < Wide(1'000'000'000'000'000ULL))
            QVERIFY2(listed.text == reading.product, qPrintable(context));
        QCOMPARE(listed.multiplicand, double(m));
    }
}

QTEST_APPLESS_MAIN(TestReading)
#include "tst_reading.moc"
