#include "app/catalogues.h"
#include "window/window_driver.h"
#include "working_window/rods_picture.h"
#include "working_window/worksheet_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace rods;

// The program in Arabic, as a pupil in Rabat or Cairo starts it: the
// Working window laid out right to left, its sums and the rods left to
// right, an answer typed in Arabic-Indic digits taken; the board as
// designed.
class TestArabic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(builtInLanguages().contains("ar"));
        loadWords("ar");
        loadToolkitWords("ar");
    }

    void rightToLeftWithTheSumsLeftToRight()
    {
        QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
        WindowDriver driver;
        // The board stays left to right: its first rod at the left.
        QCOMPARE(driver.window().layoutDirection(), Qt::LeftToRight);
        driver.enterRods("307");
        driver.pressDone();
        driver.setMultiplicand("000012");
        driver.pressGo();
        const QImage board = driver.grabBoard();
        // Rod 1's right side at 930 twips, the index rod's left at 3090,
        // and nothing past the index rod.
        QVERIFY(driver.darkNear(board, 930, 3000, 0) && driver.darkNear(board, 3090, 3000, 0));
        QVERIFY(!driver.darkIn(board, QRectF(4120, 200, 930, 7000)));
        WorkingWindow* w = driver.doubleClickProduct(0);
        QVERIFY(w != nullptr);
        QVERIFY(w->isRightToLeft());
        // The row of buttons mirrored: Next stands left of Previous.
        auto* previous = w->findChild<QPushButton*>("Previous");
        auto* next = w->findChild<QPushButton*>("Next");
        QVERIFY(next->mapTo(w, QPoint()).x() < previous->mapTo(w, QPoint()).x());

        // The rods left to right: row 2 of 307 lit, its rod 3 (slot 0) to
        // the left of the index rod (slot 3) in the widget.
        auto* picture = w->findChild<RodsPicture*>("RodsPicture");
        QCOMPARE(picture->layoutDirection(), Qt::LeftToRight);
        const QImage drawn = picture->grab().toImage();
        const QColor lit = picture->palette().color(QPalette::Highlight);
        auto litAt = [&](int slot) {
            const QPoint at =
                (picture->toWidget(1030.0 * slot + 465, 200 + 700 * 2 + 600) * picture->devicePixelRatioF()).toPoint();
            return drawn.pixelColor(at) == lit;
        };
        QVERIFY(litAt(0) && litAt(3));
        QVERIFY(picture->toWidget(0, 0).x() < picture->toWidget(1030.0 * 3, 0).x());

        // The question's sum is set apart to read left to right, and an
        // answer in Arabic-Indic digits, ٦١٤, is 614.
        w->findChild<QCheckBox*>("WorkItYourself")->setChecked(true);
        const QString question = w->findChild<QLabel*>("Question")->text();
        QVERIFY2(question.startsWith(QChar(0x2066)) && question.contains(QString::fromUtf8("307 × 2 =")),
                 qPrintable(question));
        auto* answer = w->findChild<QLineEdit*>("Answer");
        answer->setText(QString::fromUtf8("\u0666\u0661\u0664"));
        QTest::keyClick(answer, Qt::Key_Return);
        QVERIFY(answer->isReadOnly());
        QVERIFY(next->isEnabled());

        // Qt's own words in Arabic too: the worksheet dialog's Close button.
        auto* buttons = w->worksheetDialog()->findChild<QDialogButtonBox*>();
        QVERIFY(buttons != nullptr && buttons->button(QDialogButtonBox::Close) != nullptr);
        QVERIFY2(buttons->button(QDialogButtonBox::Close)->text() != "Close",
                 qPrintable(buttons->button(QDialogButtonBox::Close)->text()));
    }
};

QTEST_MAIN(TestArabic)
#include "tst_arabic.moc"
