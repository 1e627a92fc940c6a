#pragma once

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace rods {

class WorkingWindow;

// A key that works anywhere in the window, wherever the focus is, except
// where the focused widget takes the key itself.
template <typename Action> void addWindowShortcut(QWidget* window, const QKeySequence& keys, Action action)
{
    auto* added = new QShortcut(keys, window, nullptr, nullptr, Qt::WindowShortcut);
    QObject::connect(added, &QShortcut::activated, window, action);
}

// The Working window's own keys, so that a learner can work it with the keys
// alone: back and on a step, to the first and the last, Escape to close it,
// Copy for the whole working as text and New for the next problem posed. They
// only call what the window offers anyone, so that a key does exactly what the
// same command does from a button or a test. The keys of zooming and of paper
// belong to those parts. While a drop-down or menu of the window is open, no
// key of the window works: the keys are the popup's.
void addWindowKeys(WorkingWindow* window);

} // namespace rods
