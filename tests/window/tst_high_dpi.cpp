// The board at a device pixel ratio of 2 (run with QT_SCALE_FACTOR=2): the
// window doubles, lines stay crisp at their doubled places, and every digit
// is drawn inside its own cell.
#include "window_driver.h"

#include <QTest>

using namespace rods;

class TestHighDpi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowDoubles();
    void digitsStayInTheirCells();
};

void TestHighDpi::windowDoubles()
{
    WindowDriver driver;
    QCOMPARE(driver.window().devicePixelRatio(), 2.0);
    const QImage window = driver.window().grab().toImage();
    QCOMPARE(window.size(), QSize(2014, 1254));
    const QImage board = driver.grabBoard();
    QCOMPARE(board.size(), driver.controls().picture1->size() * 2);
}

void TestHighDpi::digitsStayInTheirCells()
{
    WindowDriver driver;
    driver.enterRods("38");
    const QImage image = driver.grabBoard();
    // A cell line covers exactly the two device rows of its logical pixel.
    const QPoint line = driver.boardPixel(440, 900);
    QVERIFY(WindowDriver::isDark(image, line));
    QVERIFY(WindowDriver::isDark(image, line + QPoint(0, 1)));
    QVERIFY(!WindowDriver::isDark(image, line + QPoint(0, 2)));
    QVERIFY(!WindowDriver::isDark(image, line - QPoint(0, 1)));

    for (int slot = 0; slot < 2; ++slot) {
        for (int r = 1; r <= 9; ++r) {
            const QRect cell(driver.boardPixel(1030 * slot, 200 + 700 * r),
                             driver.boardPixel(1030 * slot + 930, 900 + 700 * r));
            for (DigitLabel* label : {driver.label(LabelArray::Label1, 10 * slot + 10 + r),
                                      driver.label(LabelArray::Label2, 10 * slot + r)}) {
                const QRect drawn(label->geometry().topLeft() * 2, label->size() * 2);
                QVERIFY2(cell.contains(drawn), qPrintable(label->objectName()));
                // The digit's own pixels are there, within the label.
                bool inked = false;
                for (int y = drawn.top(); y <= drawn.bottom() && !inked; ++y)
                    for (int x = drawn.left(); x <= drawn.right() && !inked; ++x)
                        inked = WindowDriver::isDark(image, QPoint(x, y));
                QVERIFY2(inked, qPrintable(label->objectName()));
            }
        }
    }
}

QTEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"
