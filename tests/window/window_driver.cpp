#include "window_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace rods;

WindowDriver::WindowDriver()
    : window_(std::make_unique<Form1>())
{
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get()))
        qFatal("the window was never exposed");
}

WindowDriver::~WindowDriver() = default;

void WindowDriver::type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    // Long texts, and characters that have no key of their own or that move
    // the focus (Tab), are pasted.
    const bool typeable =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
    if (text.size() > 200 || !typeable) {
        box->insert(text);
        return;
    }
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

void WindowDriver::click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void WindowDriver::enterRod(const QString& text)
{
    type(controls().text1, text);
    pressOk();
}

void WindowDriver::enterRods(const QString& digits)
{
    for (QChar digit : digits)
        enterRod(QString(digit));
}

void WindowDriver::setMultiplicand(const QStringList& boxes)
{
    for (int i = 0; i < 6; ++i)
        type(controls().text4.at(std::size_t(i + 1)), boxes.value(i));
}

void WindowDriver::setMultiplicand(const QString& sixDigits)
{
    QStringList boxes;
    for (QChar digit : sixDigits)
        boxes << QString(digit);
    setMultiplicand(boxes);
}

WorkingWindow* WindowDriver::doubleClickProduct(int row)
{
    QListWidget* list = controls().list1;
    list->scrollToItem(list->item(row));
    const QPoint middle = list->visualItemRect(list->item(row)).center();
    // A double-click is a press followed by a double-click event.
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, middle);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, middle);
    return shownWorking();
}

WorkingWindow* WindowDriver::enterOnProduct(int row)
{
    QListWidget* list = controls().list1;
    list->setFocus();
    list->setCurrentRow(row);
    QTest::keyClick(list, Qt::Key_Return);
    return shownWorking();
}

WorkingWindow* WindowDriver::shownWorking()
{
    WorkingWindow* working = window_->workingWindow();
    if (working != nullptr && !QTest::qWaitForWindowActive(working))
        qWarning("the Working window did not become active");
    return working;
}

QString WindowDriver::message() const { return window_->controls().text2->QLineEdit::text(); }

QStringList WindowDriver::listItems() const
{
    QStringList items;
    QListWidget* list = window_->controls().list1;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

DigitLabel* WindowDriver::label(LabelArray array, int index)
{
    return &dynamic_cast<DigitLabel&>(controls().label(array, index));
}

QString WindowDriver::caption(LabelArray array, int index) { return label(array, index)->text(); }

QImage WindowDriver::grabBoard() const { return window_->controls().picture1->grab().toImage(); }

QPoint WindowDriver::boardPixel(double xTwips, double yTwips) const
{
    const BoardSurface* board = window_->controls().picture1;
    return board->toPixels(xTwips, yTwips) * board->devicePixelRatio();
}

bool WindowDriver::isDark(const QImage& image, QPoint pixel)
{
    return image.rect().contains(pixel) && qGray(image.pixel(pixel)) < 128;
}

bool WindowDriver::darkNear(const QImage& image, double xTwips, double yTwips, int radius) const
{
    const QPoint centre = boardPixel(xTwips, yTwips);
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (isDark(image, centre + QPoint(dx, dy)))
                return true;
    return false;
}

bool WindowDriver::darkIn(const QImage& image, const QRectF& twips) const
{
    const QPoint from = boardPixel(twips.left(), twips.top());
    const QPoint to = boardPixel(twips.right(), twips.bottom());
    for (int y = from.y(); y <= to.y(); ++y)
        for (int x = from.x(); x <= to.x(); ++x)
            if (isDark(image, QPoint(x, y)))
                return true;
    return false;
}

bool keysAskForAFile(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    bool asked = false;
    QTimer::singleShot(0, window, [&asked] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            asked = true;
            dialog->reject();
        }
    });
    QTest::keyClick(window, key, modifiers);
    return asked;
}
