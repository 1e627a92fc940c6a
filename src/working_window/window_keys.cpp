#include "working_window/window_keys.h"

#include "working_window/problem_picker.h"
#include "working_window/working_window.h"

#include <QClipboard>
#include <QGuiApplication>

namespace rods {

void addWindowKeys(WorkingWindow* window)
{
    // Left and Right belong to the answer box while it has the focus; the
    // other keys step from anywhere in the window.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::ALT | Qt::Key_Left)})
        addWindowShortcut(window, keys, [window] { window->goToStep(window->step() - 1); });
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::ALT | Qt::Key_Right)})
        addWindowShortcut(window, keys, [window] { window->goToStep(window->step() + 1); });
    addWindowShortcut(window, Qt::Key_Home, [window] { window->goToStep(0); });
    addWindowShortcut(window, Qt::Key_End, [window] { window->goToStep(window->stepCount() - 1); });
    addWindowShortcut(window, Qt::Key_Escape, [window] { window->close(); });
    addWindowShortcut(window, QKeySequence::Copy,
                      [window] { QGuiApplication::clipboard()->setText(window->workingText()); });
    addWindowShortcut(window, QKeySequence::New, [window] { window->picker()->poseNext(); });
}

} // namespace rods
