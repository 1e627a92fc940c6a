#pragma once

#include <QPlainTextEdit>

namespace rods {

// A read-only text of a fixed number of lines, on the window's background,
// that scrolls when its text is longer. Its size never follows its text, so a
// new text repaints only this box and never lays the window out again; and a
// text is laid out only when it changes.
class FixedText : public QPlainTextEdit {
    Q_OBJECT

public:
    FixedText(const char* name, const QString& accessibleName, const QFont& font, int lines, QWidget* parent);

    void setText(const QString& text);

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitHeight();

    int lines_;
};

} // namespace rods
