#include "working_window/level_choices.h"

#include "drawings/text_lines.h"
#include "tutor/exercise/sentence.h"

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
    return QString("%1 (%2)").arg(name, fromUtf8(counted(count, "problem", "problems")));
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
        addHeading(box, operation == Operation::Multiply ? "Multiplication" : "Division");
        for (const Level& level : levels(operation))
            box->addItem(QString("Level %1: %2").arg(level.number).arg(fromUtf8(level.practises)),
                         choiceOf(operation, level.number));
    }
    box->setCurrentIndex(1);
}

} // namespace rods
