#include "working_window/fixed_text.h"

#include <QEvent>

namespace rods {

FixedText::FixedText(const char* name, const QString& accessibleName, const QFont& font, int lines, QWidget* parent)
    : QPlainTextEdit(parent)
    , lines_(lines)
{
    setObjectName(name);
    setAccessibleName(accessibleName);
    setFont(font);
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Window);
    viewport()->setBackgroundRole(QPalette::Window);
    setFocusPolicy(Qt::NoFocus);
    fitHeight();
}

void FixedText::fitHeight() { setFixedHeight(QFontMetrics(font()).lineSpacing() * lines_ + 8); }

void FixedText::changeEvent(QEvent* event)
{
    // Zoomed: as many lines as before, in the larger font.
    if (event->type() == QEvent::FontChange)
        fitHeight();
    QPlainTextEdit::changeEvent(event);
}

void FixedText::setText(const QString& text)
{
    if (text != toPlainText())
        setPlainText(text);
}

} // namespace rods
