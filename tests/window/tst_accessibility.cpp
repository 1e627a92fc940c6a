// What a screen reader hears: names and descriptions through Qt's
// accessibility interfaces, and the board's description as rods come and go.
#include "window_driver.h"

#include <QAccessible>
#include <QGroupBox>
#include <QListWidget>
#include <QTest>

using namespace rods;

namespace {

QString spoken(QWidget* widget, QAccessible::Text text)
{
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(text) : QString("<no interface>");
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyControlHasNameAndDescription();
    void digitBoxesAreNamedByPlace_data();
    void digitBoxesAreNamedByPlace();
    void boardDescribesItsRods();
    void unusedBoardLabelsSayNothing();
};

void TestAccessibility::everyControlHasNameAndDescription()
{
    WindowDriver driver;
    const auto widgets = driver.window().findChildren<QWidget*>();
    int named = 0;
    for (QWidget* widget : widgets) {
        const bool shouldSpeak = widget->focusPolicy() != Qt::NoFocus || qobject_cast<QGroupBox*>(widget);
        if (!shouldSpeak || widget->objectName().startsWith("qt_") || widget->objectName().isEmpty())
            continue;
        QVERIFY2(!spoken(widget, QAccessible::Name).isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(!spoken(widget, QAccessible::Description).isEmpty(), qPrintable(widget->objectName()));
        ++named;
    }
    QCOMPARE(named, 2 + 1 + 5 + 1 + 10 + 7 + 2); // Text1, Text2, board, buttons, list, boxes, frames
    QCOMPARE(spoken(driver.controls().command3, QAccessible::Name), QString("Exit"));
    QCOMPARE(spoken(driver.controls().list1, QAccessible::Name), QString("Products"));
    QCOMPARE(spoken(driver.controls().picture1, QAccessible::Name), QString("Board"));
}

void TestAccessibility::digitBoxesAreNamedByPlace_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("name");
    QTest::newRow("Text4(1)") << "Text4(1)"
                              << "Multiplicand, hundred-thousands digit";
    QTest::newRow("Text4(6)") << "Text4(6)"
                              << "Multiplicand, units digit";
    QTest::newRow("Text4(0)") << "Text4(0)"
                              << "Multiplicand, unused box";
    QTest::newRow("Text3(9)") << "Text3(9)"
                              << "Multiplicator, units digit";
    QTest::newRow("Text3(0)") << "Text3(0)"
                              << "Multiplicator, billions digit";
    QTest::newRow("Text1") << "Text1"
                           << "Digit entry";
}

void TestAccessibility::digitBoxesAreNamedByPlace()
{
    QFETCH(QString, box);
    QFETCH(QString, name);
    WindowDriver driver;
    QCOMPARE(spoken(driver.window().findChild<QWidget*>(box), QAccessible::Name), name);
}

void TestAccessibility::boardDescribesItsRods()
{
    WindowDriver driver;
    QWidget* board = driver.controls().picture1;
    QCOMPARE(spoken(board, QAccessible::Description), QString("No rods on the board."));

    driver.enterRods("307");
    QCOMPARE(spoken(board, QAccessible::Description),
             QString("3 rods, multiplicator 307: rod 1, digit 3; rod 2, digit 0; rod 3, digit 7."));
    driver.enterRod("12"); // refused: nothing new to say
    QCOMPARE(spoken(board, QAccessible::Description),
             QString("3 rods, multiplicator 307: rod 1, digit 3; rod 2, digit 0; rod 3, digit 7."));

    driver.pressDone();
    QVERIFY(spoken(board, QAccessible::Description).endsWith("stands right of the last rod."));
    driver.enterRod("5");
    QCOMPARE(spoken(board, QAccessible::Description),
             QString("4 rods, multiplicator 3075: rod 1, digit 3; rod 2, digit 0; rod 3, digit 7; rod 4, digit 5."));
    driver.pressClear();
    QCOMPARE(spoken(board, QAccessible::Description), QString("No rods on the board."));
    driver.enterRod("9");
    QCOMPARE(spoken(board, QAccessible::Description), QString("1 rod, multiplicator 9: rod 1, digit 9."));
}

void TestAccessibility::unusedBoardLabelsSayNothing()
{
    WindowDriver driver;
    // The 90 + 91 + 15 labels of the three arrays stand stacked in the
    // board's corner with their design caption, which nobody is to hear.
    const auto labels = driver.window().findChildren<DigitLabel*>();
    QCOMPARE(labels.size(), 90 + 91 + 15);
    for (DigitLabel* label : labels) {
        QVERIFY(label->objectName().startsWith(label->text() + "("));
        QCOMPARE(spoken(label, QAccessible::Name), QString());
        QVERIFY(QAccessible::queryAccessibleInterface(label)->state().invisible);
    }
    // A rod's digit on the board is read; emptied by Clear, it is silent again.
    driver.enterRod("7");
    DigitLabel* digit = driver.label(LabelArray::Label1, 0);
    QCOMPARE(digit->text(), QString("7"));
    QCOMPARE(spoken(digit, QAccessible::Name), QString("7"));
    QVERIFY(!QAccessible::queryAccessibleInterface(digit)->state().invisible);
    driver.pressClear();
    QCOMPARE(spoken(digit, QAccessible::Name), QString());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
