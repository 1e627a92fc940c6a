// Building the multiplier in the real window: typing into the entry box and
// pressing OK, then reading the table, the labels and the board's pixels.
#include "window_driver.h"

#include <QScreen>
#include <QTest>

using namespace rods;

namespace {

// Everything OK may change, to compare before and after a refused press.
struct Snapshot {
    int rodCount;
    std::vector<int> table;
    QStringList captions;
    std::size_t lines;

    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(WindowDriver& driver)
{
    Snapshot s{driver.board().RodCount(), {}, {}, driver.controls().picture1->lines().size()};
    for (int rod = 0; rod < RodTable::Rods; ++rod)
        for (int row = 0; row < RodTable::Rows; ++row)
            for (Plane plane : {Plane::Digit, Plane::Tens, Plane::Units})
                s.table.push_back(driver.board().table().at(rod, row, plane));
    for (auto [array, count] : {std::pair{LabelArray::Label1, 90}, {LabelArray::Label2, 91}, {LabelArray::Label4, 15}})
        for (int i = 0; i < count; ++i) {
            DigitLabel* label = driver.label(array, i);
            s.captions << label->text() + QString("@%1,%2").arg(label->x()).arg(label->y());
        }
    return s;
}

} // namespace

class TestRods : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sevenFillsTableAndLabels();
    void labelsStandInTheirCells();
    void acceptedSpellings_data();
    void acceptedSpellings();
    void refusedEntries_data();
    void refusedEntries();
    void messageGoesWithTheNextPress();
    void ninthRodIsRefused();
    void samePressTwicePlacesTwoRods();
    void rodIsDrawnAtItsPixels();
    void secondRodDrawsOnlyItself();
    void eightRodsFillTheBoard();
    void boardKeepsItsDrawing();
};

void TestRods::sevenFillsTableAndLabels()
{
    WindowDriver driver;
    driver.enterRod("7");
    QCOMPARE(int(driver.board().RodCount()), 1);
    QCOMPARE(driver.message(), QString());
    QCOMPARE(driver.controls().text1->QLineEdit::text(), QString("7")); // OK leaves the entry
    const QString tens = "012234456", units = "741852963";
    for (int r = 1; r <= 9; ++r) {
        QCOMPARE(int(driver.board().table().at(1, r, Plane::Digit)), 7);
        QCOMPARE(int(driver.board().table().at(1, r, Plane::Tens)), tens[r - 1].digitValue());
        QCOMPARE(int(driver.board().table().at(1, r, Plane::Units)), units[r - 1].digitValue());
        QCOMPARE(driver.caption(LabelArray::Label2, r), QString(tens[r - 1]));
        QCOMPARE(driver.caption(LabelArray::Label1, 10 + r), QString(units[r - 1]));
    }
    QCOMPARE(driver.caption(LabelArray::Label1, 0), QString("7"));
    // Labels no rod uses keep their creation captions.
    QCOMPARE(driver.caption(LabelArray::Label1, 1), QString("Label1"));
    QCOMPARE(driver.caption(LabelArray::Label2, 10), QString("Label2"));
    QCOMPARE(driver.caption(LabelArray::Label1, 10), QString("Label1"));
}

void TestRods::labelsStandInTheirCells()
{
    WindowDriver driver;
    driver.enterRods("70");
    const QPoint origin = driver.controls().picture1->contentsRect().topLeft();
    // 15 twips to the pixel; every place here is at or right of the corner.
    auto at = [&](int left, int top) { return origin + QPoint(left / 15, top / 15); };
    for (int slot = 0; slot < 2; ++slot) {
        const int left = 1030 * slot;
        DigitLabel* header = driver.label(LabelArray::Label1, 10 * slot);
        QCOMPARE(header->pos(), at(left + 500, 330));
        QCOMPARE(header->font().pointSizeF(), 14.0);
        QVERIFY(header->font().bold());
        QCOMPARE(header->backgroundRole(), slot == 0 ? QPalette::Base : QPalette::Button);
        for (int r = 1; r <= 9; ++r) {
            DigitLabel* unit = driver.label(LabelArray::Label1, 10 * slot + 10 + r);
            DigitLabel* ten = driver.label(LabelArray::Label2, 10 * slot + r);
            QCOMPARE(unit->pos(), at(left + 650, 700 * r + 420));
            QCOMPARE(ten->pos(), at(left + 230, 700 * r + 220));
            QCOMPARE(unit->backgroundRole(), QPalette::Base);
            QCOMPARE(ten->backgroundRole(), QPalette::Base);
            // Auto-sized to the digit, and inside its half of the cell.
            QVERIFY(unit->width() > 0 && unit->width() < 375 / 15);
            const QRect cell(at(left, 200 + 700 * r), at(left + 930, 900 + 700 * r));
            QVERIFY2(cell.contains(unit->geometry()), qPrintable(QString("unit label of row %1").arg(r)));
            QVERIFY2(cell.contains(ten->geometry()), qPrintable(QString("tens label of row %1").arg(r)));
            QVERIFY(!unit->geometry().intersects(ten->geometry()));
        }
        QCOMPARE(driver.caption(LabelArray::Label1, 10 * slot + 19), slot == 0 ? QString("3") : QString("0"));
    }
}

void TestRods::acceptedSpellings_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("digit");
    QTest::newRow("7") << "7" << 7;
    QTest::newRow("blanks") << " 7 " << 7;
    QTest::newRow("leading zero") << "07" << 7;
    QTest::newRow("7.0") << "7.0" << 7;
    QTest::newRow("+7") << "+7" << 7;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("9") << "9" << 9;
}

void TestRods::acceptedSpellings()
{
    QFETCH(QString, entry);
    QFETCH(int, digit);
    WindowDriver driver;
    driver.enterRod(entry);
    QCOMPARE(int(driver.board().RodCount()), 1);
    QCOMPARE(driver.board().digit(1), digit);
    QCOMPARE(driver.caption(LabelArray::Label1, 0), QString::number(digit));
    QCOMPARE(driver.caption(LabelArray::Label1, 19), QString::number(digit * 9 % 10));
    QCOMPARE(driver.controls().picture1->lines().size(), std::size_t(23)); // the zero-length move draws nothing
}

void TestRods::refusedEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("10") << "10";
    QTest::newRow("9.5") << "9.5";
    QTest::newRow("2.5") << "2.5";
    QTest::newRow("negative") << "-3";
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << " ";
    QTest::newRow("letters") << "abc";
    QTest::newRow("digit and letter") << "7a";
    QTest::newRow("inf") << "inf";
    QTest::newRow("hex") << "0x7";
    QTest::newRow("two digits spaced") << "1 2";
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("\xd9\xa7");
    QTest::newRow("huge") << "1e999";
    QTest::newRow("megabyte") << QString(1 << 20, '7');
}

void TestRods::refusedEntries()
{
    QFETCH(QString, entry);
    WindowDriver driver;
    driver.enterRod("3");
    const Snapshot before = snapshot(driver);
    const QImage boardBefore = driver.grabBoard();
    driver.enterRod(entry);
    QCOMPARE(driver.message(), QString("Only 1 DIGIT"));
    QCOMPARE(driver.controls().text1->QLineEdit::text(), entry.left(4096)); // a paste is cut at 4,096 characters
    QVERIFY(snapshot(driver) == before);
    QCOMPARE(driver.grabBoard(), boardBefore);
}

void TestRods::messageGoesWithTheNextPress()
{
    WindowDriver driver;
    driver.enterRod("10");
    QCOMPARE(driver.message(), QString("Only 1 DIGIT"));
    QCOMPARE(int(driver.board().RodCount()), 0);
    driver.enterRod("4");
    QCOMPARE(driver.message(), QString());
    QCOMPARE(int(driver.board().RodCount()), 1);
}

void TestRods::ninthRodIsRefused()
{
    WindowDriver driver;
    driver.enterRods("12345678");
    const Snapshot before = snapshot(driver);
    driver.enterRod("9");
    QCOMPARE(driver.message(), QString("Only 8 RODS"));
    QVERIFY(snapshot(driver) == before);
    driver.enterRod("99");
    QCOMPARE(driver.message(), QString("Only 1 DIGIT"));
}

void TestRods::samePressTwicePlacesTwoRods()
{
    WindowDriver driver;
    driver.type(driver.controls().text1, "5");
    driver.pressOk();
    driver.pressOk();
    QCOMPARE(int(driver.board().RodCount()), 2);
    QCOMPARE(driver.caption(LabelArray::Label1, 10), QString("5"));
}

void TestRods::rodIsDrawnAtItsPixels()
{
    WindowDriver driver;
    driver.enterRods("38");
    const QImage image = driver.grabBoard();
    for (int slot = 0; slot < 2; ++slot) {
        const int left = 1030 * slot, right = left + 930;
        // Eleven horizontal lines, seen between the labels and right of those
        // never placed, which stay stacked in the corner.
        for (int i = 0; i <= 10; ++i)
            QVERIFY2(driver.darkNear(image, left + 440, 200 + 700 * i, 0),
                     qPrintable(QString("slot %1, line %2").arg(slot).arg(i)));
        // Both edges, between the lines.
        for (int i = 0; i < 10; ++i) {
            QVERIFY(driver.darkNear(image, left, 550 + 700 * i, 0));
            QVERIFY(driver.darkNear(image, right, 550 + 700 * i, 0));
        }
        // One rising diagonal through the middle of each of cells 1 to 9,
        // none in the header cell.
        QVERIFY(!driver.darkIn(image, QRectF(left + 300, 400, 150, 300)));
        for (int r = 1; r <= 9; ++r) {
            QVERIFY2(driver.darkNear(image, left + 465, 550 + 700 * r, 1), qPrintable(QString("cell %1").arg(r)));
            QVERIFY(driver.darkNear(image, left + 93, 830 + 700 * r, 1));  // near the bottom-left corner
            QVERIFY(!driver.darkNear(image, left + 93, 270 + 700 * r, 1)); // the other diagonal is not there
        }
    }
    // Nothing in the next slot, and nothing between the rods.
    QVERIFY(!driver.darkIn(image, QRectF(2060, 200, 930, 7000)));
    QVERIFY(!driver.darkIn(image, QRectF(945, 200, 70, 7000)));
}

void TestRods::secondRodDrawsOnlyItself()
{
    WindowDriver driver;
    driver.enterRod("3");
    const std::vector<QLineF> first = driver.controls().picture1->lines();
    driver.enterRod("4");
    const std::vector<QLineF>& both = driver.controls().picture1->lines();
    QCOMPARE(both.size(), 2 * first.size());
    QVERIFY(std::equal(first.begin(), first.end(), both.begin()));
    for (std::size_t i = first.size(); i < both.size(); ++i)
        QVERIFY(both[i].x1() >= 1030 && both[i].x2() <= 1960);
}

void TestRods::eightRodsFillTheBoard()
{
    WindowDriver driver;
    driver.enterRods("98765432");
    QCOMPARE(int(driver.board().RodCount()), 8);
    QCOMPARE(driver.caption(LabelArray::Label1, 70), QString("2"));
    QCOMPARE(driver.caption(LabelArray::Label1, 89), QString("8"));
    QCOMPARE(driver.caption(LabelArray::Label2, 79), QString("1"));
    QCOMPARE(driver.caption(LabelArray::Label1, 0), QString("9"));
    const QImage image = driver.grabBoard();
    QVERIFY(driver.darkNear(image, 7210, 3000, 0));
    QVERIFY(driver.darkNear(image, 8140, 3000, 0));
    QVERIFY(!driver.darkIn(image, QRectF(8240, 200, 930, 7000)));
}

namespace {

// The window as it stands on the screen (its backing store), not drawn again
// for the test, and whether it is dark at a point of the board in twips.
QImage onScreen(QWidget& window) { return window.screen()->grabWindow(window.winId()).toImage(); }
bool shownDark(WindowDriver& driver, const QImage& screen, double xTwips, double yTwips)
{
    const qreal ratio = driver.window().devicePixelRatio();
    const QPoint board = driver.controls().picture1->mapTo(&driver.window(), QPoint(0, 0)) * ratio;
    const QPoint at = board + driver.boardPixel(xTwips, yTwips);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (WindowDriver::isDark(screen, at + QPoint(dx, dy)))
                return true;
    return false;
}

// What two rods look like, from the board's measures: rods 930 wide on a pitch
// of 1030, cells 700 high from y 200, each cell's diagonal from its
// bottom-left to its top-right corner. What differs, or nothing.
QString rodsDiffer(WindowDriver& driver, const QImage& screen)
{
    for (int slot = 0; slot < 2; ++slot) {
        const int left = 1030 * slot, right = left + 930;
        for (int i = 0; i <= 10; ++i)
            if (!shownDark(driver, screen, left + 440, 200 + 700 * i))
                return QString("rod %1 lacks its line %2").arg(slot + 1).arg(i);
        for (int r = 1; r <= 9; ++r) {
            if (!shownDark(driver, screen, left, 550 + 700 * r) || !shownDark(driver, screen, right, 550 + 700 * r))
                return QString("rod %1 lacks a side in row %2").arg(slot + 1).arg(r);
            if (!shownDark(driver, screen, left + 465, 550 + 700 * r))
                return QString("rod %1 lacks the diagonal of row %2").arg(slot + 1).arg(r);
        }
    }
    // Nothing stands where no rod is.
    for (double x = 2060 + 100; x < 2990; x += 200)
        for (double y = 300; y < 7200; y += 200)
            if (shownDark(driver, screen, x, y))
                return QString("the empty place is drawn at %1, %2").arg(x).arg(y);
    return {};
}

} // namespace

void TestRods::boardKeepsItsDrawing()
{
    WindowDriver driver;
    driver.enterRods("12");
    QTest::qWait(20);
    if (onScreen(driver.window()).size() != driver.window().size() * driver.window().devicePixelRatio())
        QSKIP("this platform grabs a scaled window at the wrong size");
    QString differs = rodsDiffer(driver, onScreen(driver.window()));
    QVERIFY2(differs.isEmpty(), qPrintable("before: " + differs));

    // Hidden and shown again: the window is painted anew from what the board
    // keeps.
    driver.window().hide();
    driver.window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&driver.window()));
    QTest::qWait(20);
    differs = rodsDiffer(driver, onScreen(driver.window()));
    QVERIFY2(differs.isEmpty(), qPrintable("after hide and show: " + differs));

    // Covered by another window, which then goes, and the board asked to paint
    // itself whole.
    QWidget cover;
    cover.setGeometry(driver.window().geometry());
    cover.setAutoFillBackground(true);
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    cover.close();
    driver.controls().picture1->repaint();
    QTest::qWait(20);
    differs = rodsDiffer(driver, onScreen(driver.window()));
    QVERIFY2(differs.isEmpty(), qPrintable("after being covered: " + differs));
}

QTEST_MAIN(TestRods)
#include "tst_rods.moc"
