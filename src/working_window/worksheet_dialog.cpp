#include "working_window/worksheet_dialog.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "paper/paper_files.h"
#include "paper/printing.h"
#include "tutor/problems/problem_sets.h"
#include "working_window/level_choices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace rods {

WorksheetDialog::WorksheetDialog(int choice, int set, const std::vector<Problem>& list, const QString& listName,
                                 QWidget* parent)
    : QDialog(parent)
    , level_(new QComboBox(this))
    , count_(new QSpinBox(this))
    , set_(new QSpinBox(this))
    , title_(new QLineEdit(this))
    , mixed_(new QCheckBox(uiText("WorksheetDialog", "&Mix \u00d7 and \u00f7 of the level"), this))
    , rods_(new QCheckBox(uiText("WorksheetDialog", "&Draw the rods"), this))
    , room_(new QComboBox(this))
    , key_(new QCheckBox(uiText("WorksheetDialog", "Answer &key"), this))
    , summary_(new QLabel(this))
    , list_(list)
    , listName_(listName)
{
    setObjectName("WorksheetDialog");
    setWindowTitle(uiText("WorksheetDialog", "Worksheet"));
    level_->setObjectName("WorksheetLevel");
    addLevelChoices(level_);
    if (!list_.empty()) {
        addHeading(level_, uiText("LevelChoices", "A teacher's list"));
        level_->addItem(listChoiceText(listName_, list_.size()), ListChoice);
    }
    count_->setObjectName("WorksheetCount");
    count_->setRange(FewestOnWorksheet, MostOnWorksheet);
    count_->setValue(ProblemsInSet);
    set_->setObjectName("WorksheetSet");
    set_->setRange(FirstSet, LastSet);
    set_->setToolTip(uiText("WorksheetDialog",
                            "The same set number and level give the same problems here and in the Working window."));
    title_->setObjectName("WorksheetTitle");
    // TRANSLATORS: an example of a title a teacher might give the sheet.
    title_->setPlaceholderText(uiText("WorksheetDialog", "Class 4b, Tuesday"));
    title_->setMaxLength(MostInWorksheetTitle);
    title_->setToolTip(uiText("WorksheetDialog", "A line of your own over the first page."));
    mixed_->setObjectName("WorksheetMixed");
    mixed_->setToolTip(uiText("WorksheetDialog", "A product and a division of the level's number in turn."));
    rods_->setObjectName("WorksheetRods");
    rods_->setChecked(true);
    rods_->setToolTip(uiText("WorksheetDialog", "Without the rods, more problems fit on a page."));
    room_->setObjectName("WorksheetRoom");
    room_->addItem(uiText("WorksheetDialog", "Squares of 5 mm"), static_cast<int>(WorksheetLook::Room::Squared));
    room_->addItem(uiText("WorksheetDialog", "A lattice for each product"),
                   static_cast<int>(WorksheetLook::Room::Lattice));
    room_->setToolTip(uiText("WorksheetDialog", "A division is worked on squares either way."));
    key_->setObjectName("WorksheetKey");
    key_->setChecked(true);
    summary_->setObjectName("WorksheetSummary");
    summary_->setWordWrap(true);
    summary_->setTextFormat(Qt::PlainText);

    auto* form = new QFormLayout;
    form->addRow(uiText("LevelChoices", "&Level:"), level_);
    form->addRow(uiText("WorksheetDialog", "&Problems:"), count_);
    form->addRow(uiText("LevelChoices", "&Set:"), set_);
    form->addRow(uiText("WorksheetDialog", "&Title:"), title_);
    form->addRow("", mixed_);
    form->addRow("", rods_);
    form->addRow(uiText("WorksheetDialog", "Room to &work:"), room_);
    form->addRow("", key_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* save = buttons->addButton(uiText("PaperMenu", "Save as &PDF…"), QDialogButtonBox::AcceptRole);
    save->setObjectName("SaveWorksheet");
    QPushButton* print = buttons->addButton(uiText("WorksheetDialog", "P&rint…"), QDialogButtonBox::ActionRole);
    print->setObjectName("PrintWorksheet");
    // Saving or printing leaves the dialog open for the next sheet.
    connect(save, &QPushButton::clicked, this, &WorksheetDialog::save);
    connect(print, &QPushButton::clicked, this, &WorksheetDialog::print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(summary_);
    column->addWidget(buttons);

    choose(choice, ProblemsInSet, set);
    connect(level_, &QComboBox::currentIndexChanged, this, &WorksheetDialog::describe);
    connect(count_, &QSpinBox::valueChanged, this, &WorksheetDialog::describe);
    connect(set_, &QSpinBox::valueChanged, this, &WorksheetDialog::describe);
    connect(mixed_, &QCheckBox::toggled, this, &WorksheetDialog::describe);
    connect(key_, &QCheckBox::toggled, this, &WorksheetDialog::describe);
}

void WorksheetDialog::choose(int choice, int count, int set)
{
    const int index = level_->findData(choice);
    if (index >= 0)
        level_->setCurrentIndex(index);
    count_->setValue(count);
    set_->setValue(set);
    describe();
}

Worksheet WorksheetDialog::worksheet() const
{
    const int choice = level_->currentData().toInt();
    const Level* level = levelOfChoice(choice);
    Worksheet sheet = level == nullptr      ? listWorksheet(list_, listName_.toStdString(), count_->value())
                      : mixed_->isChecked() ? mixedWorksheet(level->number, set_->value(), count_->value())
                                            : levelWorksheet(*level, set_->value(), count_->value());
    sheet.heading = title_->text().simplified().toStdString();
    return sheet;
}

WorksheetLook WorksheetDialog::look() const
{
    WorksheetLook look;
    look.rods = rods_->isChecked();
    look.answerKey = key_->isChecked();
    look.room = static_cast<WorksheetLook::Room>(room_->currentData().toInt());
    return look;
}

void WorksheetDialog::describe()
{
    const bool list = level_->currentData().toInt() == ListChoice;
    set_->setEnabled(!list);
    mixed_->setEnabled(!list);
    const Worksheet sheet = worksheet();
    const auto count = static_cast<long long>(sheet.problems.size());
    const QString source = fromUtf8(sheet.source);
    if (key_->isChecked()) {
        // TRANSLATORS: %1 says where the problems come from ("Set 4711",
        // "From the list pupils.txt").
        summary_->setText(uiCount("WorksheetDialog", "%1: %n problem, then the answer key on pages of its own.",
                                  "%1: %n problems, then the answer key on pages of its own.", count)
                              .arg(source));
    } else {
        // TRANSLATORS: %1 says where the problems come from ("Set 4711",
        // "From the list pupils.txt").
        summary_->setText(uiCount("WorksheetDialog", "%1: %n problem, with no answer key.",
                                  "%1: %n problems, with no answer key.", count)
                              .arg(source));
    }
}

QString WorksheetDialog::saveTo(const QString& path) const { return saveWorksheet(path, worksheet(), look()).error; }

void WorksheetDialog::save()
{
    // TRANSLATORS: the file name offered; keep ".pdf" at the end.
    const QString suggested = uiText("WorksheetDialog", "worksheet.pdf");
    const QString path = askWhereToSavePdf(this, uiText("WorksheetDialog", "Save the worksheet"), suggested);
    if (path.isEmpty())
        return;
    if (const QString error = saveTo(path); !error.isEmpty())
        QMessageBox::warning(this, uiText("WorksheetDialog", "Worksheet"), error);
}

void WorksheetDialog::print()
{
    const Worksheet sheet = worksheet();
    const WorksheetLook chosen = look();
    const QString error =
        printWithPreview(this, uiText("WorksheetDialog", "Worksheet"), [&sheet, &chosen](QPagedPaintDevice& device) {
            return paintWorksheet(device, sheet, chosen);
        });
    if (!error.isEmpty())
        QMessageBox::warning(this, uiText("WorksheetDialog", "Worksheet"), error);
}

} // namespace rods
