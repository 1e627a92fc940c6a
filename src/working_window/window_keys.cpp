#include "working_window/window_keys.h"

#include "working_window/problem_picker.h"
#include "working_window/working_window.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>

namespace rods {
namespace {

// While a drop-down or a menu of the window is open, every key is the
// popup's: Escape closes the drop-down alone, Home and End move in its list.
// Qt 6.4 matches a window's shortcuts while a popup opened from it has the
// keys, so the window's Escape closed the whole window. A shortcut fires only
// when nobody takes the shortcut-override event that goes first to the
// popup; the guard takes it there for the popup, and the key then reaches
// the popup as an ordinary key press.
class PopupKeysGuard : public QObject {
public:
    explicit PopupKeysGuard(QWidget* window)
        : QObject(window)
        , window_(window)
    {
        // The override goes to the popup, a window of its own, and ends
        // there: only the application sees it on its way.
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride && popupOfWindow()) {
            event->accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    [[nodiscard]] bool popupOfWindow() const
    {
        for (QWidget* widget = QApplication::activePopupWidget(); widget != nullptr; widget = widget->parentWidget())
            if (widget == window_)
                return true;
        return false;
    }

    QWidget* window_;
};

} // namespace

void addWindowKeys(WorkingWindow* window)
{
    new PopupKeysGuard(window);
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
    addWindowShortcut(window, QKeySequence::Copy, [window] {
        // Before the first problem there is nothing to copy, and what the
        // clipboard holds stays.
        if (const QString text = window->workingText(); !text.isEmpty())
            QApplication::clipboard()->setText(text);
    });
    addWindowShortcut(window, QKeySequence::New, [window] { window->picker()->poseNext(); });
}

} // namespace rods
