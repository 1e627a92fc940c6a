#include "window/accessibility.h"

#include "core/place_names.h"
#include "window/board_surface.h"
#include "window/digit_label.h"
#include "window/form_controls.h"
#include "window/text_box.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

namespace rods {
namespace {

QString place(std::size_t index) { return QString::fromUtf8(placeName(static_cast<int>(index)).data()); }

void name(QWidget* widget, const QString& name, const QString& description)
{
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

// A label of the board as a screen reader sees it: its digit while the board
// uses it; otherwise nothing at all, neither its design caption nor a place.
class DigitLabelInterface : public QAccessibleWidget {
public:
    explicit DigitLabelInterface(DigitLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const DigitLabel*>(widget());
        if (!label->inUse())
            return {};
        return kind == QAccessible::Name ? label->text() : QAccessibleWidget::text(kind);
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (!static_cast<const DigitLabel*>(widget())->inUse())
            state.invisible = true;
        return state;
    }
};

QAccessibleInterface* digitLabelInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(DigitLabel::staticMetaObject.className()))
        return new DigitLabelInterface(static_cast<DigitLabel*>(object));
    return nullptr;
}

} // namespace

void nameControls(FormControls& controls)
{
    static const bool installed = [] {
        QAccessible::installFactory(digitLabelInterface);
        return true;
    }();
    Q_UNUSED(installed);
    name(controls.text1, "Digit entry", "One digit of the multiplicator, 0 to 9. Press OK to place it as a rod.");
    name(controls.text2, "Message", "Says why the last press of OK or GO was refused.");
    name(controls.picture1, "Board", "No rods on the board.");
    name(controls.command1, "OK", "Places the digit in the entry box as a new rod, right of the others.");
    name(controls.command2, "Done when finished",
         "Draws the index rod and copies the multiplicator into its digit boxes.");
    name(controls.command3, "Exit", "Ends the program.");
    name(controls.command4, "GO", "Adds the product of the multiplicator and the multiplicand to the list.");
    name(controls.command5, "Clear", "Empties the board and the list of products for a new problem.");
    name(controls.list1, "Products", "The products, one for each press of GO.");

    auto* multiplicator = controls.text3.front()->parentWidget();
    name(multiplicator, "Multiplicator", "The multiplicator's digits, copied from the rods.");
    for (std::size_t i = 0; i < controls.text3.size(); ++i)
        name(controls.text3[i], QString("Multiplicator, %1 digit").arg(place(controls.text3.size() - 1 - i)),
             "Copied from the rods by Done when finished.");

    auto* multiplicand = controls.text4.front()->parentWidget();
    name(multiplicand, "Multiplicand", "The number the rods multiply, one digit per box.");
    name(controls.text4.front(), "Multiplicand, unused box", "Takes no part in the product.");
    for (std::size_t i = 1; i < controls.text4.size(); ++i)
        name(controls.text4[i], QString("Multiplicand, %1 digit").arg(place(controls.text4.size() - 1 - i)),
             "A number here counts at this place: 12 in the tens box adds 120.");
}

} // namespace rods
