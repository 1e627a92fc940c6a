#include "core/numbers.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace rods;

Q_DECLARE_METATYPE(rods::ParseStatus)

class TestNumbers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textToNumber_data();
    void textToNumber();
    void numberToText_data();
    void numberToText();
    void rounding_data();
    void rounding();
    void powersOfTenAreExact();
};

void TestNumbers::textToNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<ParseStatus>("status");
    QTest::addColumn<double>("value");

    const auto ok = ParseStatus::Ok;
    const auto nan = ParseStatus::NotANumber;
    QTest::newRow("digit") << QByteArray("7") << ok << 7.0;
    QTest::newRow("blanks around") << QByteArray("  7  ") << ok << 7.0;
    QTest::newRow("tab around") << QByteArray("\t7\t") << ok << 7.0;
    QTest::newRow("leading zero") << QByteArray("07") << ok << 7.0;
    QTest::newRow("plus sign") << QByteArray("+7") << ok << 7.0;
    QTest::newRow("minus sign") << QByteArray("-3") << ok << -3.0;
    QTest::newRow("point and zero") << QByteArray("7.0") << ok << 7.0;
    QTest::newRow("fraction") << QByteArray("9.5") << ok << 9.5;
    QTest::newRow("trailing point") << QByteArray("7.") << ok << 7.0;
    QTest::newRow("leading point") << QByteArray(".5") << ok << 0.5;
    QTest::newRow("exponent") << QByteArray("7E1") << ok << 70.0;
    QTest::newRow("lower exponent signed") << QByteArray("25e-1") << ok << 2.5;
    QTest::newRow("exponent plus") << QByteArray("1E+15") << ok << 1e15;
    QTest::newRow("large") << QByteArray("1E+308") << ok << 1e308;
    QTest::newRow("underflow is zero") << QByteArray("1e-400") << ok << 0.0;
    QTest::newRow("long zeros") << QByteArray(QByteArray(5000, '0') + "3") << ok << 3.0;
    QTest::newRow("overflow") << QByteArray("1e400") << ParseStatus::OutOfRange << 0.0;
    QTest::newRow("overflow by digits") << QByteArray(QByteArray("1") + QByteArray(400, '0')) << ParseStatus::OutOfRange
                                        << 0.0;

    QTest::newRow("empty") << QByteArray("") << nan << 0.0;
    QTest::newRow("blanks only") << QByteArray("   ") << nan << 0.0;
    QTest::newRow("inf") << QByteArray("inf") << nan << 0.0;
    QTest::newRow("infinity") << QByteArray("Infinity") << nan << 0.0;
    QTest::newRow("nan") << QByteArray("nan") << nan << 0.0;
    QTest::newRow("hex") << QByteArray("0x7") << nan << 0.0;
    QTest::newRow("trailing letters") << QByteArray("7abc") << nan << 0.0;
    QTest::newRow("inner blank") << QByteArray("1 2") << nan << 0.0;
    QTest::newRow("sign alone") << QByteArray("-") << nan << 0.0;
    QTest::newRow("point alone") << QByteArray(".") << nan << 0.0;
    QTest::newRow("two signs") << QByteArray("+-7") << nan << 0.0;
    QTest::newRow("two points") << QByteArray("1.2.3") << nan << 0.0;
    QTest::newRow("exponent without digits") << QByteArray("7e") << nan << 0.0;
    QTest::newRow("exponent sign only") << QByteArray("7e+") << nan << 0.0;
    QTest::newRow("exponent alone") << QByteArray("e5") << nan << 0.0;
    QTest::newRow("comma") << QByteArray("7,5") << nan << 0.0;
    QTest::newRow("blank after sign") << QByteArray("- 7") << nan << 0.0;
    QTest::newRow("newline") << QByteArray("7\n") << nan << 0.0;
    QTest::newRow("nul inside") << QByteArray("7\0"
                                              "1",
                                              3)
                                << nan << 0.0;
    QTest::newRow("arabic-indic digit") << QByteArray("\xd9\xa7") << nan << 0.0;
    QTest::newRow("fullwidth digit") << QByteArray("\xef\xbc\x97") << nan << 0.0;
    QTest::newRow("currency") << QByteArray("$7") << nan << 0.0;
    QTest::newRow("VB double exponent") << QByteArray("1D5") << nan << 0.0;
}

void TestNumbers::textToNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(ParseStatus, status);
    QFETCH(double, value);
    const ParsedNumber parsed = rods::textToNumber(std::string_view(text.constData(), std::size_t(text.size())));
    QCOMPARE(parsed.status, status);
    if (status == ParseStatus::Ok)
        QCOMPARE(parsed.value, value);
}

void TestNumbers::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("digit") << 7.0 << "7";
    QTest::newRow("negative") << -42.0 << "-42";
    QTest::newRow("8 nines times 999999") << 99999899000001.0 << "99999899000001";
    QTest::newRow("largest plain") << 999999999999999.0 << "999999999999999";
    QTest::newRow("negative largest plain") << -999999999999999.0 << "-999999999999999";
    QTest::newRow("10^15") << 1e15 << "1E+15";
    QTest::newRow("10^15 + 1") << 1e15 + 1 << "1E+15";
    QTest::newRow("15 digits kept") << 123456789012345678.0 << "1.23456789012346E+17";
    QTest::newRow("negative large") << -2.5e20 << "-2.5E+20";
    QTest::newRow("huge") << 1e308 << "1E+308";
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << "1.79769313486232E+308";
    QTest::newRow("smallest double") << std::numeric_limits<double>::denorm_min() << "4.94065645841247E-324";
    QTest::newRow("half") << 0.5 << "0.5";
    QTest::newRow("fraction") << 1234.5 << "1234.5";
    QTest::newRow("third") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("small") << 0.0001 << "0.0001";
    QTest::newRow("very small") << 0.00001 << "1E-05";
    QTest::newRow("rounds up to 10^15") << 999999999999999.9 << "1E+15";
    QTest::newRow("not finite") << std::numeric_limits<double>::infinity() << "Infinity";
}

void TestNumbers::numberToText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(rods::numberToText(value)), text);
}

void TestNumbers::rounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("byte");  // -1: out of range
    QTest::addColumn<int>("int16"); // -99999: out of range

    QTest::newRow("2.5 to even") << 2.5 << 2 << 2;
    QTest::newRow("3.5 to even") << 3.5 << 4 << 4;
    QTest::newRow("0.5 to even") << 0.5 << 0 << 0;
    QTest::newRow("-0.5 to zero") << -0.5 << 0 << 0;
    QTest::newRow("-1.5") << -1.5 << -1 << -2;
    QTest::newRow("2.4") << 2.4 << 2 << 2;
    QTest::newRow("2.6") << 2.6 << 3 << 3;
    QTest::newRow("81") << 81.0 << 81 << 81;
    QTest::newRow("255") << 255.0 << 255 << 255;
    QTest::newRow("255.5 overflows a byte") << 255.5 << -1 << 256;
    QTest::newRow("256") << 256.0 << -1 << 256;
    QTest::newRow("32767.5") << 32767.5 << -1 << -99999;
    QTest::newRow("-32768") << -32768.0 << -1 << -32768;
    QTest::newRow("-32768.5 to even") << -32768.5 << -1 << -32768;
    QTest::newRow("-32769") << -32769.0 << -1 << -99999;
    QTest::newRow("1e300") << 1e300 << -1 << -99999;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << -1 << -99999;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << -1 << -99999;
}

void TestNumbers::rounding()
{
    QFETCH(double, value);
    QFETCH(int, byte);
    QFETCH(int, int16);
    const auto asByte = toByte(value);
    QCOMPARE(asByte.has_value(), byte >= 0);
    if (asByte)
        QCOMPARE(int(*asByte), byte);
    const auto asInt16 = toInt16(value);
    QCOMPARE(asInt16.has_value(), int16 != -99999);
    if (asInt16)
        QCOMPARE(int(*asInt16), int16);
}

void TestNumbers::powersOfTenAreExact()
{
    double expected = 1.0;
    for (int n = 0; n <= 22; ++n) {
        QCOMPARE(powerOfTen(n), expected);
        QCOMPARE(QString::fromStdString(rods::numberToText(powerOfTen(n))),
                 n < 15 ? QString("1") + QString(n, '0') : QString("1E+%1").arg(n));
        expected *= 10.0;
    }
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
