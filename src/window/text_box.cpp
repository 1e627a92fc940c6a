#include "window/text_box.h"

namespace rods {

TextBox::TextBox(const QString& text, Qt::Alignment alignment, QWidget* parent)
    : QLineEdit(text, parent)
{
    setMaxLength(MaxLength);
    setAlignment(alignment | Qt::AlignVCenter);
}

std::string TextBox::text() const { return QLineEdit::text().toStdString(); }

void TextBox::setText(std::string_view text)
{
    QLineEdit::setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace rods
