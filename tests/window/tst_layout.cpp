// The window as it stands after start-up: every control, its place, caption,
// font and colours, the tab order and the first state of the boxes.
#include "window_driver.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace rods;

namespace {

QRect pixels(int left, int top, int width, int height) { return QRect(left / 15, top / 15, width / 15, height / 15); }

// The window as its layout describes it, typed from that description and not
// taken from the program's own table. Kinds are the Qt classes that stand
// for them; a font of 0 points is the toolkit's default.
struct Expected {
    const char* name;
    const char* kind;
    const char* caption;
    int left, top, width, height; // twips
    double points;
    bool bold;
    int tabIndex;
    bool centred = false;
};

const Expected Singles[] = {
    {"Text1", "QLineEdit", "6", 6480, 8640, 435, 525, 18, true, 0, true},
    {"Picture1", "QFrame", "", 240, 480, 11775, 7935, 0, false, 1},
    {"Command1", "QPushButton", "OK", 7080, 8760, 1215, 375, 13.5, true, 2},
    {"Text2", "QLineEdit", "", 8520, 8760, 1215, 285, 0, false, 184},
    {"Label3", "QLabel", "Enter digits of Multiplicator or Divisor , then OK", 240, 8760, 6015, 375, 13.5, false, 185},
    {"Command2", "QPushButton", "Done when finished", 9840, 8760, 1815, 375, 0, false, 201},
    {"Command3", "QPushButton", "EXIT !", 13320, 8760, 975, 495, 0, false, 202},
    {"Frame1", "QGroupBox", "Multiplicator", 12120, 2280, 2655, 615, 0, false, 203},
    {"Frame2", "QGroupBox", "Multiplicand", 12120, 3480, 2775, 615, 0, false, 214},
    {"Label5", "QLabel", "Enter Multiplicand above GO when done", 12480, 4320, 1935, 375, 0, false, 222},
    {"Command4", "QPushButton", "GO", 12600, 4920, 1575, 375, 0, false, 223},
    {"Label6", "QLabel", "times", 13320, 3000, 495, 255, 0, false, 224},
    {"List1", "QListWidget", "", 12600, 5640, 1815, 420, 13.5, false, 225},
    {"Command5", "QPushButton", "Clear", 12720, 6720, 1695, 375, 0, false, 226},
};

// Element i of each array, by the layout's formulas.
Expected textBox3(int i) { return {"Text3", "QLineEdit", "", 120 + 240 * i, 240, 255, 285, 0, false, 204 + i}; }
Expected textBox4(int i) { return {"Text4", "QLineEdit", "", 120 + 360 * i, 240, 375, 285, 0, false, 215 + i, true}; }
Expected label1(int i) { return {"Label1", "QLabel", "Label1", 0, 0, 375, 255, 0, false, 3 + i}; }
Expected label2(int i) { return {"Label2", "QLabel", "Label2", 0, 0, 375, 375, 0, false, 93 + i}; }
Expected label4(int i)
{
    const int tab = i == 0 ? 186 : i >= 11 ? 176 + i : 190 + i;
    return {"Label4", "QLabel", "Label4", 0, 0, 375, 375, 0, false, tab};
}

struct ExpectedArray {
    const char* name;
    const char* container;
    int count;
    Expected (*element)(int);
};
const ExpectedArray Arrays[] = {
    {"Text3", "Frame1", 10, textBox3},  {"Text4", "Frame2", 7, textBox4},   {"Label1", "Picture1", 90, label1},
    {"Label2", "Picture1", 91, label2}, {"Label4", "Picture1", 15, label4},
};

bool focusable(const char* kind) { return QString(kind) != "QLabel" && QString(kind) != "QGroupBox"; }

QString shownText(QWidget* widget)
{
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return box->text();
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    return {};
}

// What differs between a control and what the layout says of it, or nothing.
QString difference(QWidget* widget, const Expected& expected, QPoint origin, bool checkText)
{
    const QString name = widget->objectName();
    if (!widget->inherits(expected.kind))
        return name + " is a " + widget->metaObject()->className() + ", not a " + expected.kind;
    const QRect place = pixels(expected.left, expected.top, expected.width, expected.height).translated(origin);
    if (widget->geometry() != place)
        return QString("%1 stands at %2,%3 %4x%5")
            .arg(name)
            .arg(widget->x())
            .arg(widget->y())
            .arg(widget->width())
            .arg(widget->height());
    if (checkText && shownText(widget) != expected.caption)
        return name + " shows '" + shownText(widget) + "'";
    // Every font is "MS Sans Serif"; a control without a size of its own has
    // the window's font.
    const QFont font = widget->font();
    const double points = expected.points > 0 ? expected.points : widget->window()->font().pointSizeF();
    if (font.family() != "MS Sans Serif" || font.pointSizeF() != points || font.bold() != expected.bold)
        return QString("%1 has a %2 pt%3 %4 font")
            .arg(name)
            .arg(font.pointSizeF())
            .arg(font.bold() ? " bold" : "")
            .arg(font.family());
    if (widget->property("tabIndex").toInt() != expected.tabIndex || !widget->property("tabIndex").isValid())
        return QString("%1 has the tab index %2").arg(name).arg(widget->property("tabIndex").toString());
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        if (bool(box->alignment() & Qt::AlignHCenter) != expected.centred)
            return name + (expected.centred ? " is not centred" : " is centred");
    return {};
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void singleControls();
    void controlArrays();
    void tabIndicesRunWithoutGapAndFocusFollowsThem();
    void clientAreaAndCaption();
    void startState();
    void fontsAndColours();
    void tabOrderCyclesThroughEveryStop();
    void boardInnerAreaHoldsTheLargestBoard();
    void resizingMovesNothing();
    void buttonsAreNeitherDefaultNorCancel();
};

void TestLayout::singleControls()
{
    WindowDriver driver;
    for (const Expected& expected : Singles) {
        QWidget* widget = driver.window().findChild<QWidget*>(expected.name);
        QVERIFY2(widget, expected.name);
        QCOMPARE(widget->parentWidget(), &driver.window());
        const QString differs = difference(widget, expected, QPoint(), true);
        QVERIFY2(differs.isEmpty(), qPrintable(differs));
    }
}

void TestLayout::controlArrays()
{
    WindowDriver driver;
    for (const ExpectedArray& array : Arrays) {
        auto* container = driver.window().findChild<QWidget*>(array.container);
        QVERIFY2(container, array.container);
        // Boxes stand in their frame's outer corner; labels in the board's
        // inner one, inside its border.
        const QPoint origin = QString(array.container) == "Picture1" ? container->contentsRect().topLeft() : QPoint();
        for (int i = 0; i < array.count; ++i) {
            const QString name = QString("%1(%2)").arg(array.name).arg(i);
            auto* widget = driver.window().findChild<QWidget*>(name);
            QVERIFY2(widget, qPrintable(name));
            QCOMPARE(widget->parentWidget(), container);
            // The boxes' texts are the load procedure's; the labels' captions
            // are their creation ones.
            const QString differs =
                difference(widget, array.element(i), origin, QString(array.name).startsWith("Label"));
            QVERIFY2(differs.isEmpty(), qPrintable(differs));
        }
        QVERIFY2(!driver.window().findChild<QWidget*>(QString("%1(%2)").arg(array.name).arg(array.count)), array.name);
    }
}

void TestLayout::tabIndicesRunWithoutGapAndFocusFollowsThem()
{
    WindowDriver driver;
    // Over all 227 controls, labels and frames included: 0 to 226, each once.
    std::vector<int> indices;
    for (QWidget* widget : driver.window().findChildren<QWidget*>())
        if (widget->property("tabIndex").isValid())
            indices.push_back(widget->property("tabIndex").toInt());
    std::sort(indices.begin(), indices.end());
    QCOMPARE(int(indices.size()), 227);
    for (int i = 0; i < 227; ++i)
        QCOMPARE(indices[std::size_t(i)], i);

    // Tab visits the controls that take focus in the order of the tab indices
    // the layout gives them, and comes back to the first.
    std::vector<std::pair<int, QString>> stops;
    for (const Expected& expected : Singles)
        if (focusable(expected.kind))
            stops.emplace_back(expected.tabIndex, expected.name);
    for (const ExpectedArray& array : Arrays)
        for (int i = 0; i < array.count; ++i)
            if (focusable(array.element(i).kind))
                stops.emplace_back(array.element(i).tabIndex, QString("%1(%2)").arg(array.name).arg(i));
    std::sort(stops.begin(), stops.end());
    QCOMPARE(QApplication::focusWidget()->objectName(), stops.front().second);
    for (std::size_t i = 1; i <= stops.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), stops[i % stops.size()].second);
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
    // A state where every button would leave a mark: OK a fourth rod, Done
    // the index rod and the multiplicator's digit boxes, GO a product, Clear
    // an empty board, EXIT the end of the program.
    WindowDriver driver;
    driver.enterRods("307");
    driver.type(driver.controls().text1, "5");
    driver.setMultiplicand("000012");
    FormControls& c = driver.controls();
    std::vector<std::unique_ptr<QSignalSpy>> presses;
    for (QPushButton* button : {c.command1, c.command2, c.command3, c.command4, c.command5})
        presses.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
    const QStringList labels4 = [&driver] {
        QStringList captions;
        for (int i = 0; i < 15; ++i)
            captions << driver.caption(LabelArray::Label4, i);
        return captions;
    }();

    std::vector<QWidget*> stops{c.text1, c.picture1, c.command1, c.text2, c.command2, c.command3};
    stops.insert(stops.end(), c.text3.begin(), c.text3.end());
    stops.insert(stops.end(), c.text4.begin(), c.text4.end());
    stops.insert(stops.end(), {c.command4, c.list1, c.command5});
    for (QWidget* stop : stops) {
        stop->setFocus();
        QCOMPARE(QApplication::focusWidget(), stop);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(stop, key);
        const QString where = stop->objectName();
        for (const auto& spy : presses)
            QVERIFY2(spy->isEmpty(), qPrintable(where));
        QVERIFY2(driver.board().RodCount() == 3, qPrintable(where));
        QVERIFY2(driver.listItems().isEmpty(), qPrintable(where));
        QVERIFY2(driver.message().isEmpty(), qPrintable(where));
        QCOMPARE(c.text1->QLineEdit::text(), QString("5"));
        for (TextBox* box : c.text3)
            QVERIFY2(box->QLineEdit::text().isEmpty(), qPrintable(where));
        for (int i = 0; i < 15; ++i)
            QVERIFY2(driver.caption(LabelArray::Label4, i) == labels4[i], qPrintable(where));
        QVERIFY2(driver.window().isVisible(), qPrintable(where));
    }
    for (QPushButton* button : driver.window().findChildren<QPushButton*>()) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->text().contains('&'));
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
