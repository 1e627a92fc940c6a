#pragma once

#include <QPushButton>
#include <QTest>
#include <QWidget>

// A window's part by its name, as the tests drive it; a part that is not
// there ends the test at once, naming it.
template <typename Widget> Widget* part(QWidget* window, const char* name)
{
    auto* widget = window->findChild<Widget*>(name);
    if (widget == nullptr)
        qFatal("no %s in the window", name);
    return widget;
}

// Clicks a window's button by its name, as the mouse does.
inline void click(QWidget* window, const char* button)
{
    QTest::mouseClick(part<QPushButton>(window, button), Qt::LeftButton);
}
