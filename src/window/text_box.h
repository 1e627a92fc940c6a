#pragma once

#include "board/controls.h"

#include <QLineEdit>

namespace rods {

// A single-line text box with no length limit.
class TextBox : public QLineEdit, public TextControl {
    Q_OBJECT

public:
    TextBox(const QString& text, Qt::Alignment alignment, QWidget* parent);

    [[nodiscard]] std::string text() const override;
    void setText(std::string_view text) override;
};

} // namespace rods
