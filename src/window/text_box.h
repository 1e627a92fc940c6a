#pragma once

#include "board/controls.h"

#include <QLineEdit>

namespace rods {

// A single-line text box. It takes up to MaxLength characters: Qt's line
// edit lays out its whole text on every repaint (200 ms for a megabyte), so a
// longer paste is cut there to keep the window responsive. No number needs
// a fraction of that.
class TextBox : public QLineEdit, public TextControl {
    Q_OBJECT

public:
    static constexpr int MaxLength = 4096;

    TextBox(const QString& text, Qt::Alignment alignment, QWidget* parent);

    [[nodiscard]] std::string text() const override;
    void setText(std::string_view text) override;
};

} // namespace rods
