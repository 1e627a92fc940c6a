#include "core/board_state.h"
#include "core/entry_check.h"
#include "core/product.h"

#include <QTest>

using namespace rods;

namespace {

BoardState boardOf(const QString& digits)
{
    BoardState board;
    for (QChar c : digits)
        board.placeRod(c.digitValue());
    return board;
}

MultiplicandTexts boxesOf(const QStringList& texts)
{
    MultiplicandTexts boxes;
    for (int i = 0; i < texts.size(); ++i)
        boxes.at(std::size_t(i)) = texts.at(i).toStdString();
    return boxes;
}

} // namespace

class TestCoreRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyDigitFillsItsRows();
    void rodsAreNumberedInEntryOrder();
    void clearKeepsTableButRestartsAtRodOne();
    void entryCheck_data();
    void entryCheck();
    void ninthRodIsRefused();
    void product_data();
    void product();
    void productMatchesIntegerArithmetic();
};

void TestCoreRules::everyDigitFillsItsRows()
{
    for (int digit = 0; digit <= 9; ++digit) {
        BoardState board;
        board.placeRod(digit);
        QCOMPARE(int(board.RodCount()), 1);
        for (int row = 1; row <= 9; ++row) {
            QCOMPARE(int(board.table().at(1, row, Plane::Digit)), digit);
            QCOMPARE(int(board.table().at(1, row, Plane::Tens)), digit * row / 10);
            QCOMPARE(int(board.table().at(1, row, Plane::Units)), digit * row % 10);
        }
        // Rows and rods that carry no meaning are never written.
        QCOMPARE(int(board.table().at(1, 0, Plane::Units)), 0);
        QCOMPARE(int(board.table().at(1, 10, Plane::Units)), 0);
        QCOMPARE(int(board.table().at(0, 1, Plane::Digit)), 0);
    }
}

void TestCoreRules::rodsAreNumberedInEntryOrder()
{
    const BoardState board = boardOf("37");
    QCOMPARE(int(board.RodCount()), 2);
    QCOMPARE(board.digit(1), 3);
    QCOMPARE(int(board.table().at(2, 8, Plane::Digit)), 7);
    QCOMPARE(int(board.table().at(2, 8, Plane::Tens)), 5);
    QCOMPARE(int(board.table().at(2, 8, Plane::Units)), 6);
}

void TestCoreRules::clearKeepsTableButRestartsAtRodOne()
{
    BoardState board = boardOf("98");
    board.clear();
    QCOMPARE(int(board.RodCount()), 0);
    QCOMPARE(int(board.table().at(2, 1, Plane::Digit)), 8); // left as it was, unread
    board.placeRod(4);
    QCOMPARE(int(board.RodCount()), 1);
    QCOMPARE(board.digit(1), 4);
    QCOMPARE(int(board.table().at(1, 9, Plane::Units)), 6);
}

void TestCoreRules::entryCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digit"); // -1: refused with "Only 1 DIGIT"

    QTest::newRow("7") << "7" << 7;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("9") << "9" << 9;
    QTest::newRow("blanks") << " 7 " << 7;
    QTest::newRow("leading zero") << "07" << 7;
    QTest::newRow("point zero") << "7.0" << 7;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("exponent") << "0.7e1" << 7;
    QTest::newRow("10") << "10" << -1;
    QTest::newRow("9.5") << "9.5" << -1;
    QTest::newRow("2.5") << "2.5" << -1;
    QTest::newRow("-1") << "-1" << -1;
    QTest::newRow("-0.4") << "-0.4" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("letters") << "abc" << -1;
    QTest::newRow("two digits spaced") << "1 2" << -1;
    QTest::newRow("1e400") << "1e400" << -1;
    QTest::newRow("tiny") << "1e-400" << 0;
}

void TestCoreRules::entryCheck()
{
    QFETCH(QString, text);
    QFETCH(int, digit);
    const EntryVerdict verdict = checkEntry(text.toStdString(), BoardState());
    QCOMPARE(verdict.digit.has_value(), digit >= 0);
    if (digit >= 0) {
        QCOMPARE(*verdict.digit, digit);
        QVERIFY(verdict.message.empty());
    } else {
        QCOMPARE(verdict.message, OnlyOneDigit);
    }
}

void TestCoreRules::ninthRodIsRefused()
{
    BoardState board = boardOf("12345678");
    QVERIFY(board.isFull());
    QCOMPARE(checkEntry("9", board).message, OnlyEightRods);
    QVERIFY(!checkEntry("9", board).digit);
    QCOMPARE(checkEntry("99", board).message, OnlyOneDigit); // a wrong entry is named first
    QVERIFY_THROWS_EXCEPTION(std::logic_error, board.placeRod(9));
    QCOMPARE(int(board.RodCount()), 8);
}

void TestCoreRules::product_data()
{
    QTest::addColumn<QString>("rods");
    QTest::addColumn<QStringList>("boxes"); // Text4(0) to Text4(6)
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("badBox");

    const QStringList zeros{"0", "0", "0", "0", "0", "0", "0"};
    QTest::newRow("no rods") << "" << QStringList{"0", "9", "9", "9", "9", "9", "9"} << "0"
                             << "" << -1;
    QTest::newRow("boxes all zero") << "345" << zeros << "0"
                                    << "" << -1;
    QTest::newRow("345 x 12") << "345" << QStringList{"0", "0", "0", "0", "0", "1", "2"} << "4140"
                              << "" << -1;
    QTest::newRow("box 0 is not read") << "345" << QStringList{"7", "0", "0", "0", "0", "1", "2"} << "4140"
                                       << "" << -1;
    QTest::newRow("box 0 may hold anything") << "2" << QStringList{"x", "0", "0", "0", "0", "0", "3"} << "6"
                                             << "" << -1;
    QTest::newRow("999 x 999999") << "999" << QStringList{"0", "9", "9", "9", "9", "9", "9"} << "998999001"
                                  << "" << -1;
    QTest::newRow("8 nines x 999999") << "99999999" << QStringList{"0", "9", "9", "9", "9", "9", "9"}
                                      << "99999899000001"
                                      << "" << -1;
    QTest::newRow("12 in box 5 adds 120") << "1" << QStringList{"0", "0", "0", "0", "0", "12", "0"} << "120"
                                          << "" << -1;
    QTest::newRow("25 in units") << "37" << QStringList{"0", "0", "0", "0", "0", "0", "25"} << "925"
                                 << "" << -1;
    QTest::newRow("leading zero rod") << "0123" << QStringList{"0", "0", "0", "0", "0", "0", "2"} << "246"
                                      << "" << -1;
    QTest::newRow("exponent form") << "1" << QStringList{"0", "1E10", "0", "0", "0", "0", "0"} << "1E+15"
                                   << "" << -1;
    QTest::newRow("negative zero") << "0" << QStringList{"0", "0", "0", "0", "0", "0", "-5"} << "0"
                                   << "" << -1;
    QTest::newRow("negative") << "2" << QStringList{"0", "0", "0", "0", "0", "0", "-5"} << "-10"
                              << "" << -1;
    QTest::newRow("fraction") << "3" << QStringList{"0", "0", "0", "0", "0", "0", "0.5"} << "1.5"
                              << "" << -1;
    QTest::newRow("empty box") << "3" << QStringList{"0", "0", "0", "", "0", "0", "0"} << ""
                               << "Only NUMBERS" << 3;
    QTest::newRow("leftmost bad box") << "3" << QStringList{"0", "0", "a", "0", "", "0", "0"} << ""
                                      << "Only NUMBERS" << 2;
    QTest::newRow("bad box, no rods") << "" << QStringList{"0", "0", "0", "0", "0", "0", "?"} << ""
                                      << "Only NUMBERS" << 6;
    QTest::newRow("not finite") << "9" << QStringList{"0", "1E+308", "0", "0", "0", "0", "0"} << ""
                                << "Too LARGE" << -1;
    QTest::newRow("beyond double") << "9" << QStringList{"0", "0", "0", "0", "0", "0", "1e400"} << ""
                                   << "Too LARGE" << -1;
    QTest::newRow("infinite times no rods") << "" << QStringList{"0", "1E+308", "0", "0", "0", "0", "0"} << ""
                                            << "Too LARGE" << -1;
}

void TestCoreRules::product()
{
    QFETCH(QString, rods);
    QFETCH(QStringList, boxes);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, badBox);
    const ProductOutcome outcome = computeProduct(boardOf(rods), boxesOf(boxes));
    QCOMPARE(QString::fromStdString(outcome.text), text);
    QCOMPARE(QString::fromUtf8(outcome.message.data(), qsizetype(outcome.message.size())), message);
    QCOMPARE(outcome.badBox, badBox);
}

void TestCoreRules::productMatchesIntegerArithmetic()
{
    // Every product of whole numbers on the board is below 10^15: exact.
    quint32 seed = 12345;
    auto next = [&seed](quint32 bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % bound;
    };
    for (int round = 0; round < 2000; ++round) {
        const int rodCount = int(next(9));
        QString rods;
        for (int i = 0; i < rodCount; ++i)
            rods += QChar('0' + int(next(10)));
        QStringList boxes{"0"};
        qint64 multiplicand = 0;
        for (int box = 1; box <= 6; ++box) {
            const int digit = int(next(10));
            boxes << QString::number(digit);
            multiplicand = multiplicand * 10 + digit;
        }
        const qint64 multiplier = rods.isEmpty() ? 0 : rods.toLongLong();
        const ProductOutcome outcome = computeProduct(boardOf(rods), boxesOf(boxes));
        QCOMPARE(QString::fromStdString(outcome.text), QString::number(multiplier * multiplicand));
    }
}

QTEST_APPLESS_MAIN(TestCoreRules)
#include "tst_core_rules.moc"
