// GO, "Done when finished", Clear and EXIT in the real window.
#include "window_driver.h"

#include <QListWidget>
#include <QTest>
#include <QTimer>

using namespace rods;

class TestProductAndClear : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void products_data();
    void products();
    void goTwiceAppendsTwice();
    void wholeProblemThenAnother();
    void refusedBoxes_data();
    void refusedBoxes();
    void tooLargeIsRefused();
    void messageGoesWithTheNextGo();
    void doneDrawsIndexRodAndFillsBoxes();
    void doneWithNoRods();
    void shorterMultiplierEmptiesLeadingBoxes();
    void okAfterDoneTakesTheIndexSlot();
    void clearAfterFiveRods();
    void clearAfterDoneKeepsBoxes();
    void clearOnEmptyBoard();
    void exitEndsTheEventLoop();
    void closingTheWindowEndsTheEventLoop();
};

void TestProductAndClear::products_data()
{
    QTest::addColumn<QString>("rods");
    QTest::addColumn<QStringList>("boxes"); // Text4(1) to Text4(6)
    QTest::addColumn<QString>("product");

    QTest::newRow("start-up") << "" << QStringList{"0", "0", "0", "0", "0", "0"} << "0";
    QTest::newRow("no rods, any boxes") << "" << QStringList{"9", "9", "9", "9", "9", "9"} << "0";
    QTest::newRow("boxes all zero") << "345" << QStringList{"0", "0", "0", "0", "0", "0"} << "0";
    QTest::newRow("345 x 12") << "345" << QStringList{"0", "0", "0", "0", "1", "2"} << "4140";
    QTest::newRow("999 x 999999") << "999" << QStringList{"9", "9", "9", "9", "9", "9"} << "998999001";
    QTest::newRow("8 nines x 999999") << "99999999" << QStringList{"9", "9", "9", "9", "9", "9"} << "99999899000001";
    QTest::newRow("25 in units") << "4321" << QStringList{"0", "0", "0", "0", "0", "25"} << "108025";
    QTest::newRow("12 in box 5") << "5" << QStringList{"0", "0", "0", "0", "12", "0"} << "600";
    QTest::newRow("10^15") << "1" << QStringList{"1E10", "0", "0", "0", "0", "0"} << "1E+15";
    QTest::newRow("negative zero") << "0" << QStringList{"0", "0", "0", "0", "0", "-5"} << "0";
    QTest::newRow("blanks in boxes") << "21" << QStringList{" 1", "0 ", "0", "0", "0", "0"} << "2100000";
    QTest::newRow("fraction") << "3" << QStringList{"0", "0", "0", "0", "0", "0.25"} << "0.75";
}

void TestProductAndClear::products()
{
    QFETCH(QString, rods);
    QFETCH(QStringList, boxes);
    QFETCH(QString, product);
    WindowDriver driver;
    driver.enterRods(rods);
    driver.type(driver.controls().text4[0], "7"); // box 0 takes no part
    driver.setMultiplicand(boxes);
    driver.pressGo();
    QCOMPARE(driver.listItems(), QStringList{product});
    QCOMPARE(driver.message(), QString());
}

void TestProductAndClear::goTwiceAppendsTwice()
{
    WindowDriver driver;
    driver.enterRods("12");
    driver.setMultiplicand("000003");
    driver.pressGo();
    driver.pressGo();
    QCOMPARE(driver.listItems(), (QStringList{"36", "36"}));
    driver.setMultiplicand("000004");
    driver.pressGo();
    // The list shows about one line: the newest product is the one in view.
    QListWidget* list = driver.controls().list1;
    QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(2)).center()));
    QVERIFY(!list->viewport()->rect().contains(list->visualItemRect(list->item(0)).center()));
}

void TestProductAndClear::wholeProblemThenAnother()
{
    WindowDriver driver;
    driver.enterRods("345");
    driver.pressDone();
    driver.setMultiplicand("000012");
    driver.pressGo();
    QCOMPARE(driver.listItems(), QStringList{"4140"});
    driver.pressClear();
    driver.enterRods("999");
    driver.setMultiplicand("999999");
    driver.pressGo();
    QCOMPARE(driver.listItems(), QStringList{"998999001"});
}

void TestProductAndClear::refusedBoxes_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("focusBox");
    QTest::newRow("empty box") << QStringList{"0", "0", "", "0", "0", "0"} << 3;
    QTest::newRow("letters") << QStringList{"0", "0", "0", "0", "0", "x"} << 6;
    QTest::newRow("leftmost of two") << QStringList{"0", "a", "0", "0", "", "0"} << 2;
    QTest::newRow("hex") << QStringList{"0x1", "0", "0", "0", "0", "0"} << 1;
    QTest::newRow("megabyte") << QStringList{"0", "0", "0", "0", QString(1 << 20, 'z'), "0"} << 5;
}

void TestProductAndClear::refusedBoxes()
{
    QFETCH(QStringList, boxes);
    QFETCH(int, focusBox);
    WindowDriver driver;
    driver.enterRods("7");
    driver.setMultiplicand("000002");
    driver.pressGo();
    driver.setMultiplicand(boxes);
    driver.pressGo();
    QCOMPARE(driver.listItems(), QStringList{"14"});
    QCOMPARE(driver.message(), QString("Only NUMBERS"));
    // The message is read from its beginning, and whole in its tooltip.
    QCOMPARE(driver.controls().text2->cursorPosition(), 0);
    QCOMPARE(driver.controls().text2->toolTip(), QString("Only NUMBERS"));
    TextBox* box = driver.controls().text4.at(std::size_t(focusBox));
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(box->selectedText(), box->QLineEdit::text());
    // The tooltip follows what is typed over the message, and goes when the
    // text fits.
    driver.type(driver.controls().text2, "a much longer text than the box shows");
    QCOMPARE(driver.controls().text2->toolTip(), QString("a much longer text than the box shows"));
    driver.type(driver.controls().text2, "7");
    QCOMPARE(driver.controls().text2->toolTip(), QString());
}

void TestProductAndClear::tooLargeIsRefused()
{
    WindowDriver driver;
    driver.enterRods("9");
    driver.setMultiplicand(QStringList{"1E+308", "0", "0", "0", "0", "0"});
    driver.pressGo();
    QVERIFY(driver.listItems().isEmpty());
    QCOMPARE(driver.message(), QString("Too LARGE"));
    driver.setMultiplicand(QStringList{"0", "0", "0", "0", "0", "1e999"});
    driver.pressGo();
    QVERIFY(driver.listItems().isEmpty());
    QCOMPARE(driver.message(), QString("Too LARGE"));
}

void TestProductAndClear::messageGoesWithTheNextGo()
{
    WindowDriver driver;
    driver.enterRod("12");
    QCOMPARE(driver.message(), QString("Only 1 DIGIT"));
    driver.pressGo();
    QCOMPARE(driver.message(), QString());
    QCOMPARE(driver.listItems(), QStringList{"0"});
}

void TestProductAndClear::doneDrawsIndexRodAndFillsBoxes()
{
    WindowDriver driver;
    driver.enterRods("307");
    driver.pressDone();
    const QPoint origin = driver.controls().picture1->contentsRect().topLeft();
    for (int p = 1; p <= 9; ++p) {
        DigitLabel* number = driver.label(LabelArray::Label4, p);
        QCOMPARE(number->text(), QString::number(p));
        QCOMPARE(number->pos(), origin + QPoint(3490 / 15, (700 * p + 300) / 15));
        QCOMPARE(number->font().pointSizeF(), 18.0);
        QVERIFY(number->font().bold());
        QCOMPARE(number->backgroundRole(), QPalette::Button);
    }
    QCOMPARE(driver.caption(LabelArray::Label4, 0), QString("Label4"));
    QCOMPARE(driver.caption(LabelArray::Label4, 10), QString("Label4"));

    const QImage image = driver.grabBoard();
    for (int i = 0; i <= 10; ++i)
        QVERIFY(driver.darkNear(image, 3090 + 100, 200 + 700 * i, 0));
    QVERIFY(driver.darkNear(image, 3090, 3000, 0));
    QVERIFY(driver.darkNear(image, 4020, 3000, 0));
    for (int r = 1; r <= 9; ++r)
        QVERIFY2(!driver.darkNear(image, 3090 + 93, 830 + 700 * r, 1), "the index rod has no diagonals");
    QVERIFY(!driver.darkIn(image, QRectF(4120, 200, 930, 7000)));

    const QStringList expected{"", "", "", "", "", "", "", "3", "0", "7"};
    for (int i = 0; i < 10; ++i)
        QCOMPARE(driver.controls().text3[std::size_t(i)]->QLineEdit::text(), expected[i]);
}

void TestProductAndClear::doneWithNoRods()
{
    WindowDriver driver;
    driver.pressDone();
    QCOMPARE(driver.label(LabelArray::Label4, 1)->x(), driver.controls().picture1->contentsRect().left() + 400 / 15);
    QVERIFY(driver.darkNear(driver.grabBoard(), 930, 3000, 0));
    for (TextBox* box : driver.controls().text3)
        QCOMPARE(box->QLineEdit::text(), QString());
}

void TestProductAndClear::shorterMultiplierEmptiesLeadingBoxes()
{
    WindowDriver driver;
    driver.enterRods("98765");
    driver.pressDone();
    driver.pressClear();
    driver.enterRods("12");
    driver.pressDone();
    const QStringList expected{"", "", "", "", "", "", "", "", "1", "2"};
    for (int i = 0; i < 10; ++i)
        QCOMPARE(driver.controls().text3[std::size_t(i)]->QLineEdit::text(), expected[i]);
}

void TestProductAndClear::okAfterDoneTakesTheIndexSlot()
{
    WindowDriver driver;
    driver.enterRods("12");
    driver.pressDone();
    driver.enterRod("3");
    for (int p = 1; p <= 9; ++p)
        QCOMPARE(driver.caption(LabelArray::Label4, p), QString());
    QCOMPARE(driver.caption(LabelArray::Label1, 20), QString("3"));
    driver.pressDone();
    QCOMPARE(driver.caption(LabelArray::Label4, 9), QString("9"));
    QCOMPARE(driver.label(LabelArray::Label4, 9)->x(),
             driver.controls().picture1->contentsRect().left() + (3 * 1030 + 400) / 15);
    QCOMPARE(driver.controls().text3[7]->QLineEdit::text(), QString("1"));
}

void TestProductAndClear::clearAfterFiveRods()
{
    WindowDriver driver;
    driver.enterRods("12345");
    driver.setMultiplicand("000011");
    driver.pressGo();
    driver.enterRod("99"); // leaves "Only 1 DIGIT"
    driver.pressClear();
    QCOMPARE(int(driver.board().RodCount()), 0);
    QVERIFY(driver.listItems().isEmpty());
    QVERIFY(driver.controls().picture1->lines().empty());
    for (int i = 0; i <= 89; ++i)
        QCOMPARE(driver.caption(LabelArray::Label1, i), QString());
    for (int i = 0; i <= 90; ++i)
        QCOMPARE(driver.caption(LabelArray::Label2, i), QString());
    QCOMPARE(driver.message(), QString("Only 1 DIGIT"));
    QCOMPARE(driver.controls().text1->QLineEdit::text(), QString("99"));
    QCOMPARE(driver.controls().text4[5]->QLineEdit::text(), QString("1"));
    // The board is blank but for the labels never placed, in its corner.
    QVERIFY(!driver.darkIn(driver.grabBoard(), QRectF(0, 450, 11000, 7000)));

    driver.enterRods("67890");
    QCOMPARE(driver.caption(LabelArray::Label1, 0), QString("6"));
    QCOMPARE(driver.caption(LabelArray::Label1, 49), QString("1")); // 9 x 9
    QCOMPARE(driver.caption(LabelArray::Label1, 59), QString("0"));
    QCOMPARE(driver.label(LabelArray::Label1, 0)->x(), driver.controls().picture1->contentsRect().left() + 33);
}

void TestProductAndClear::clearAfterDoneKeepsBoxes()
{
    WindowDriver driver;
    driver.enterRods("456");
    driver.pressDone();
    driver.setMultiplicand("000321");
    driver.pressClear();
    for (int p = 1; p <= 14; ++p)
        QCOMPARE(driver.caption(LabelArray::Label4, p), QString());
    QCOMPARE(driver.caption(LabelArray::Label4, 0), QString("Label4"));
    QCOMPARE(driver.controls().text3[7]->QLineEdit::text(), QString("4"));
    QCOMPARE(driver.controls().text3[9]->QLineEdit::text(), QString("6"));
    QCOMPARE(driver.controls().text4[4]->QLineEdit::text(), QString("3"));
    QVERIFY(!driver.darkIn(driver.grabBoard(), QRectF(0, 450, 11000, 7000)));
    driver.pressGo();
    QCOMPARE(driver.listItems(), QStringList{"0"});
}

void TestProductAndClear::clearOnEmptyBoard()
{
    WindowDriver driver;
    driver.pressClear();
    QCOMPARE(int(driver.board().RodCount()), 0);
    QVERIFY(driver.listItems().isEmpty());
    QCOMPARE(driver.caption(LabelArray::Label1, 0), QString());
    QCOMPARE(driver.caption(LabelArray::Label4, 14), QString());
}

void TestProductAndClear::exitEndsTheEventLoop()
{
    WindowDriver driver;
    driver.enterRods("42");
    QTimer::singleShot(0, &driver.window(), [&driver] { driver.pressExit(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

void TestProductAndClear::closingTheWindowEndsTheEventLoop()
{
    WindowDriver driver;
    QTimer::singleShot(0, &driver.window(), [&driver] { driver.window().close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(TestProductAndClear)
#include "tst_product_and_clear.moc"
