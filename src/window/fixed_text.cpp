#include "window/fixed_text.h"

namespace rods {

FixedText::FixedText(const char* name, const QString& accessibleName, const QFont& font, int lines, QWidget* parent)
    : QPlainTextEdit(parent)
{
    setObjectName(name);
    setAccessibleName(accessibleName);
    setFont(font);
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Window);
    viewport()->setBackgroundRole(QPalette::Window);
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(QFontMetrics(font).lineSpacing() * lines + 8);
}

void FixedText::setText(const QString& text)
{
    if (text != toPlainText())
        setPlainText(text);
}

} // namespace rods
