#pragma once

#include <QRegularExpression>
#include <QStringList>

// The numbers a text shows, in order: what a step, a hint or a tally says,
// without its words, so that a window test pins the step's data and a change
// of wording (or a translation) changes no window test. The wording itself is
// pinned once, beside the exercise that makes it.
inline QStringList numbersIn(const QString& text)
{
    static const QRegularExpression number("\\d+");
    QStringList numbers;
    for (auto it = number.globalMatch(text); it.hasNext();)
        numbers << it.next().captured();
    return numbers;
}
