#include "window/accessibility.h"

#include "drawings/screen_words.h"
#include "window/board_surface.h"
#include "window/digit_label.h"
#include "window/form_controls.h"
#include "window/text_box.h"

#include <QAccessibleWidget>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include <array>

namespace rods {
namespace {

// Each digit box named whole, by its place, from the units up: a place's
// name reads differently in each language beside the number it belongs to.
constexpr std::array MultiplicatorBoxes{
    // TRANSLATORS: what a screen reader calls a box of the multiplicator's
    // digits, by its place; the boxes stand under the caption Multiplicator.
    mark("MainWindow", "Multiplicator, units digit"),
    mark("MainWindow", "Multiplicator, tens digit"),
    mark("MainWindow", "Multiplicator, hundreds digit"),
    mark("MainWindow", "Multiplicator, thousands digit"),
    mark("MainWindow", "Multiplicator, ten-thousands digit"),
    mark("MainWindow", "Multiplicator, hundred-thousands digit"),
    mark("MainWindow", "Multiplicator, millions digit"),
    mark("MainWindow", "Multiplicator, ten-millions digit"),
    mark("MainWindow", "Multiplicator, hundred-millions digit"),
    mark("MainWindow", "Multiplicator, billions digit"),
};
constexpr std::array MultiplicandBoxes{
    // TRANSLATORS: what a screen reader calls a box of the multiplicand's
    // digits, by its place; the boxes stand under the caption Multiplicand.
    mark("MainWindow", "Multiplicand, units digit"),
    mark("MainWindow", "Multiplicand, tens digit"),
    mark("MainWindow", "Multiplicand, hundreds digit"),
    mark("MainWindow", "Multiplicand, thousands digit"),
    mark("MainWindow", "Multiplicand, ten-thousands digit"),
    mark("MainWindow", "Multiplicand, hundred-thousands digit"),
};

template <std::size_t Count> QString digitBoxName(const std::array<MarkedText, Count>& names, std::size_t place)
{
    return QString::fromStdString(translated(names.at(place)));
}

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
    // The buttons' captions (OK, GO, Clear, Done when finished, EXIT !) stay
    // in English on the screen in every language, so the translators are
    // asked to keep them where a name or description names a button.
    name(controls.text1, uiText("MainWindow", "Digit entry"),
         // TRANSLATORS: OK is the caption of a button, in English on the screen: keep it.
         uiText("MainWindow", "One digit of the multiplicator, 0 to 9. Press OK to place it as a rod."));
    name(controls.text2, uiText("MainWindow", "Message"),
         // TRANSLATORS: OK and GO are the captions of buttons, in English on the screen: keep them.
         uiText("MainWindow", "Says why the last press of OK or GO was refused."));
    name(controls.picture1, uiText("MainWindow", "Board"), uiText("BoardDescription", "No rods on the board."));
    // TRANSLATORS: what a screen reader calls the button captioned OK; the
    // caption stays in English on the screen.
    name(controls.command1, uiText("MainWindow", "OK"),
         uiText("MainWindow", "Places the digit in the entry box as a new rod, right of the others."));
    // TRANSLATORS: what a screen reader calls the button captioned "Done when
    // finished"; the caption stays in English on the screen.
    name(controls.command2, uiText("MainWindow", "Done when finished"),
         uiText("MainWindow", "Draws the index rod and copies the multiplicator into its digit boxes."));
    // TRANSLATORS: what a screen reader calls the button captioned "EXIT !".
    name(controls.command3, uiText("MainWindow", "Exit"), uiText("MainWindow", "Ends the program."));
    // TRANSLATORS: what a screen reader calls the button captioned GO; the
    // caption stays in English on the screen.
    name(controls.command4, uiText("MainWindow", "GO"),
         uiText("MainWindow", "Adds the product of the multiplicator and the multiplicand to the list."));
    // TRANSLATORS: what a screen reader calls the button captioned Clear; the
    // caption stays in English on the screen.
    name(controls.command5, uiText("MainWindow", "Clear"),
         uiText("MainWindow", "Empties the board and the list of products for a new problem."));
    name(controls.list1, uiText("MainWindow", "Products"),
         // TRANSLATORS: GO is the caption of a button, in English on the screen: keep it.
         uiText("MainWindow", "The products, one for each press of GO."));

    auto* multiplicator = controls.text3.front()->parentWidget();
    name(multiplicator, uiText("MainWindow", "Multiplicator"),
         uiText("MainWindow", "The multiplicator's digits, copied from the rods."));
    for (std::size_t i = 0; i < controls.text3.size(); ++i)
        name(controls.text3[i], digitBoxName(MultiplicatorBoxes, controls.text3.size() - 1 - i),
             // TRANSLATORS: "Done when finished" is the caption of a button, in
             // English on the screen: keep it.
             uiText("MainWindow", "Copied from the rods by Done when finished."));

    auto* multiplicand = controls.text4.front()->parentWidget();
    name(multiplicand, uiText("MainWindow", "Multiplicand"),
         uiText("MainWindow", "The number the rods multiply, one digit per box."));
    name(controls.text4.front(), uiText("MainWindow", "Multiplicand, unused box"),
         uiText("MainWindow", "Takes no part in the product."));
    for (std::size_t i = 1; i < controls.text4.size(); ++i)
        name(controls.text4[i], digitBoxName(MultiplicandBoxes, controls.text4.size() - 1 - i),
             uiText("MainWindow", "A number here counts at this place: 12 in the tens box adds 120."));
}

} // namespace rods
