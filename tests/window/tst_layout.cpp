// The window as it stands after start-up: every control, its place, caption,
// font and colours, the tab order and the first state of the boxes.
#include "window/layout.h"
#include "window_driver.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace rods;

namespace {

QRect pixels(int left, int top, int width, int height) { return QRect(left / 15, top / 15, width / 15, height / 15); }

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void singleControls_data();
    void singleControls();
    void controlArrays();
    void clientAreaAndCaption();
    void startState();
    void fontsAndColours();
    void tabOrderCyclesThroughEveryStop();
    void boardInnerAreaHoldsTheLargestBoard();
    void resizingMovesNothing();
    void buttonsAreNeitherDefaultNorCancel();
};

void TestLayout::singleControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    for (const layout::Control& item : layout::Controls)
        QTest::newRow(item.name) << QString(item.name) << pixels(item.left, item.top, item.width, item.height)
                                 << QString(item.caption);
}

void TestLayout::singleControls()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    WindowDriver driver;
    QWidget* widget = driver.window().findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), &driver.window());
    QCOMPARE(widget->geometry(), geometry);
    QString shown;
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        shown = box->text();
    else if (auto* button = qobject_cast<QPushButton*>(widget))
        shown = button->text();
    else if (auto* label = qobject_cast<QLabel*>(widget))
        shown = label->text();
    else if (auto* frame = qobject_cast<QGroupBox*>(widget))
        shown = frame->title();
    QCOMPARE(shown, caption);
}

void TestLayout::controlArrays()
{
    WindowDriver driver;
    QCOMPARE(driver.controls().text3.size(), std::size_t(10));
    QCOMPARE(driver.controls().text4.size(), std::size_t(7));
    QCOMPARE(driver.controls().label1.size(), std::size_t(90));
    QCOMPARE(driver.controls().label2.size(), std::size_t(91));
    QCOMPARE(driver.controls().label4.size(), std::size_t(15));
    for (int i = 0; i < 10; ++i) {
        TextBox* box = driver.controls().text3.at(std::size_t(i));
        QCOMPARE(box->objectName(), QString("Text3(%1)").arg(i));
        QCOMPARE(box->parentWidget()->objectName(), QString("Frame1"));
        QCOMPARE(box->geometry(), pixels(120 + 240 * i, 240, 255, 285));
        QVERIFY(box->alignment() & Qt::AlignLeft);
    }
    for (int i = 0; i < 7; ++i) {
        TextBox* box = driver.controls().text4.at(std::size_t(i));
        QCOMPARE(box->parentWidget()->objectName(), QString("Frame2"));
        QCOMPARE(box->geometry(), pixels(120 + 360 * i, 240, 375, 285));
        QVERIFY(box->alignment() & Qt::AlignHCenter);
    }
    // Every board label starts in the board's inner top-left corner with its
    // array's name, at its array's size.
    const QPoint corner = driver.controls().picture1->contentsRect().topLeft();
    for (auto [array, name, count, height] :
         {std::tuple{LabelArray::Label1, "Label1", 90, 17}, std::tuple{LabelArray::Label2, "Label2", 91, 25},
          std::tuple{LabelArray::Label4, "Label4", 15, 25}}) {
        for (int i = 0; i < count; ++i) {
            DigitLabel* label = driver.label(array, i);
            QCOMPARE(label->parentWidget(), driver.controls().picture1);
            QCOMPARE(label->objectName(), QString("%1(%2)").arg(name).arg(i));
            QCOMPARE(label->geometry(), QRect(corner, QSize(25, height)));
            QCOMPARE(label->text(), QString(name));
        }
    }
}

void TestLayout::clientAreaAndCaption()
{
    WindowDriver driver;
    QCOMPARE(driver.window().size(), QSize(1007, 627));
    QCOMPARE(driver.window().windowTitle(), QString("Form1"));
    // 14 single controls and 213 array elements.
    int controls = 0;
    for (QWidget* widget : driver.window().findChildren<QWidget*>())
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
            ++controls;
    QCOMPARE(controls, 227);
}

void TestLayout::startState()
{
    WindowDriver driver;
    QCOMPARE(driver.controls().text1->QLineEdit::text(), QString("6"));
    QCOMPARE(driver.message(), QString());
    QVERIFY(driver.listItems().isEmpty());
    QCOMPARE(int(driver.board().RodCount()), 0);
    for (TextBox* box : driver.controls().text3)
        QCOMPARE(box->QLineEdit::text(), QString());
    for (TextBox* box : driver.controls().text4)
        QCOMPARE(box->QLineEdit::text(), QString("0"));
    QCOMPARE(QApplication::focusWidget(), driver.controls().text1);
    QVERIFY(driver.controls().picture1->lines().empty());
    // Every box takes far more than any number needs, and cuts a pasted
    // megabyte short.
    for (TextBox* box : driver.window().findChildren<TextBox*>())
        QCOMPARE(box->maxLength(), 4096);
}

void TestLayout::fontsAndColours()
{
    WindowDriver driver;
    QFont text1 = driver.controls().text1->font();
    QCOMPARE(text1.pointSizeF(), 18.0);
    QVERIFY(text1.bold());
    QVERIFY(driver.controls().text1->alignment() & Qt::AlignHCenter);
    QCOMPARE(driver.controls().command1->font().pointSizeF(), 13.5);
    QVERIFY(driver.controls().command1->font().bold());
    auto* label3 = driver.window().findChild<QLabel*>("Label3");
    QCOMPARE(label3->font().pointSizeF(), 13.5);
    QVERIFY(!label3->font().bold());
    // The instruction fits its label on one line.
    QVERIFY(label3->fontMetrics().horizontalAdvance(label3->text()) <= label3->width());
    QCOMPARE(driver.controls().list1->font().pointSizeF(), 13.5);

    QCOMPARE(driver.controls().picture1->backgroundRole(), QPalette::Base);
    QCOMPARE(driver.label(LabelArray::Label1, 0)->backgroundRole(), QPalette::Base);
    QCOMPARE(driver.label(LabelArray::Label2, 0)->backgroundRole(), QPalette::Base);
    QCOMPARE(driver.label(LabelArray::Label1, 1)->backgroundRole(), QPalette::Button);
    QCOMPARE(driver.label(LabelArray::Label4, 0)->backgroundRole(), QPalette::Button);
    QVERIFY(driver.label(LabelArray::Label1, 5)->autoFillBackground());
}

void TestLayout::tabOrderCyclesThroughEveryStop()
{
    WindowDriver driver;
    FormControls& c = driver.controls();
    std::vector<QWidget*> expected{c.text1, c.picture1, c.command1, c.text2, c.command2, c.command3};
    expected.insert(expected.end(), c.text3.begin(), c.text3.end());
    expected.insert(expected.end(), c.text4.begin(), c.text4.end());
    expected.insert(expected.end(), {c.command4, c.list1, c.command5, c.text1});
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected[i]);
    }
}

void TestLayout::boardInnerAreaHoldsTheLargestBoard()
{
    WindowDriver driver;
    const QRect inner = driver.controls().picture1->contentsRect();
    QVERIFY(inner.width() > 9170 / 15);
    QVERIFY(inner.height() > 7200 / 15);
    QVERIFY(driver.controls().picture1->frameWidth() > 0);
}

void TestLayout::resizingMovesNothing()
{
    WindowDriver driver;
    const QRect before = driver.controls().command5->geometry();
    driver.window().resize(1400, 900);
    QTest::qWait(0);
    QCOMPARE(driver.controls().command5->geometry(), before);
    QCOMPARE(driver.controls().picture1->size(), QSize(785, 529));
}

void TestLayout::buttonsAreNeitherDefaultNorCancel()
{
    WindowDriver driver;
    driver.type(driver.controls().text1, "7");
    QTest::keyClick(driver.controls().text1, Qt::Key_Return);
    QTest::keyClick(driver.controls().text1, Qt::Key_Escape);
    QCOMPARE(int(driver.board().RodCount()), 0);
    for (QPushButton* button : driver.window().findChildren<QPushButton*>()) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->text().contains('&'));
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
