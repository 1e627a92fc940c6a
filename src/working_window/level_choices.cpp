#include "working_window/level_choices.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"

#include <QComboBox>
#include <QStandardItemModel>

namespace rods {

int choiceOf(Operation operation, int level) { return (operation == Operation::Multiply ? 100 : 200) + level; }

const Level* levelOfChoice(int choice)
{
    if (choice == ListChoice)
        return nullptr;
    return findLevel(choice < 200 ? Operation::Multiply : Operation::Divide, choice % 100);
}

QString listChoiceText(const QString& name, std::size_t count)
{
    // TRANSLATORS: a teacher's list among the levels: %1 is its file's name
    // ("pupils.txt").
    return uiCount("LevelChoices", "%1 (%n problem)", "%1 (%n problems)", static_cast<long long>(count)).arg(name);
}

void addHeading(QComboBox* box, const QString& text)
{
    box->addItem(text);
    if (auto* model = qobject_cast<QStandardItemModel*>(box->model()))
        model->item(box->count() - 1)->setEnabled(false);
}

void addLevelChoices(QComboBox* box)
{
    for (Operation operation : {Operation::Multiply, Operation::Divide}) {
        addHeading(box, operation == Operation::Multiply ? uiText("LevelChoices", "Multiplication")
                                                         : uiText("LevelChoices", "Division"));
        for (const Level& level : levels(operation))
            // TRANSLATORS: %1 is the level's number, %2 what it practises.
            box->addItem(
                uiText("LevelChoices", "Level %1: %2").arg(level.number).arg(fromUtf8(translated(level.practises))),
                choiceOf(operation, level.number));
    }
    box->setCurrentIndex(1);
}

} // namespace rods
