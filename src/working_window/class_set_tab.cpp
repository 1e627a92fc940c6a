#include "working_window/class_set_tab.h"

#include "drawings/screen_words.h"
#include "tutor/problems/problem_sets.h"
#include "working_window/class_files.h"
#include "working_window/class_table_view.h"
#include "working_window/level_choices.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace rods {

ClassSetTab::ClassSetTab(QWidget* parent)
    : QWidget(parent)
    , level_(new QComboBox(this))
    , set_(new QSpinBox(this))
    , table_(new ClassTableView(this))
{
    level_->setObjectName("ClassLevel");
    level_->setAccessibleName(uiText("ClassWindow", "Level"));
    addLevelChoices(level_);
    set_->setObjectName("ClassSet");
    set_->setAccessibleName(uiText("ClassWindow", "Problem set"));
    // The box inside the spin box takes the keys, and a screen reader asks
    // it for its name.
    if (auto* box = set_->findChild<QLineEdit*>())
        box->setAccessibleName(uiText("ClassWindow", "Problem set"));
    set_->setRange(FirstSet, LastSet);
    table_->setObjectName("ClassSetPupils");
    table_->setAccessibleName(uiText("ClassWindow", "Who worked the set"));
    table_->setAccessibleDescription(
        uiText("ClassWindow", "A row per pupil who worked or skipped a problem of the set, with only that set "
                              "counted. Enter or a double-click shows the pupil's progress."));

    auto* levelLabel = new QLabel(uiText("LevelChoices", "&Level:"), this);
    levelLabel->setBuddy(level_);
    auto* setLabel = new QLabel(uiText("LevelChoices", "&Set:"), this);
    setLabel->setBuddy(set_);
    auto* row = new QHBoxLayout;
    row->addWidget(levelLabel);
    row->addWidget(level_);
    row->addWidget(setLabel);
    row->addWidget(set_);
    row->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(table_, 1);

    const auto chosen = [this] {
        chosen_ = true;
        showSet();
    };
    connect(level_, &QComboBox::currentIndexChanged, this, chosen);
    connect(set_, &QSpinBox::valueChanged, this, chosen);
    showSet();
}

void ClassSetTab::setFiles(std::vector<PupilFile> files)
{
    files_ = std::move(files);
    if (!chosen_)
        chooseNewestSet();
    showSet();
}

void ClassSetTab::chooseNewestSet()
{
    const std::optional<SetWorked> newest = newestSet(files_);
    if (!newest)
        return;
    const int index = level_->findData(choiceOf(newest->operation, newest->level));
    if (index < 0)
        return;
    const QSignalBlocker levelQuiet(level_), setQuiet(set_);
    level_->setCurrentIndex(index);
    set_->setValue(newest->set);
    chosen_ = true;
}

void ClassSetTab::showSet()
{
    const Level* level = levelOfChoice(level_->currentData().toInt());
    table_->setRows(level == nullptr ? std::vector<PupilRow>{}
                                     : setOverview(files_, level->operation, level->number, set_->value()));
    Q_EMIT rowsChanged();
}

ClassTable ClassSetTab::paper() const
{
    const Level* level = levelOfChoice(level_->currentData().toInt());
    if (level == nullptr)
        return classTable(table_->rowsShown());
    return setTable(table_->rowsShown(), level->operation, level->number, set_->value());
}

} // namespace rods
