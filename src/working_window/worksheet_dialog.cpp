#include "working_window/worksheet_dialog.h"

#include "drawings/text_lines.h"
#include "paper/paper_files.h"
#include "paper/printing.h"
#include "tutor/exercise/sentence.h"
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
    , mixed_(new QCheckBox("&Mix \u00d7 and \u00f7 of the level", this))
    , rods_(new QCheckBox("&Draw the rods", this))
    , room_(new QComboBox(this))
    , key_(new QCheckBox("Answer &key", this))
    , summary_(new QLabel(this))
    , list_(list)
    , listName_(listName)
{
    setObjectName("WorksheetDialog");
    setWindowTitle("Worksheet");
    level_->setObjectName("WorksheetLevel");
    addLevelChoices(level_);
    if (!list_.empty()) {
        addHeading(level_, "A teacher's list");
        level_->addItem(listChoiceText(listName_, list_.size()), ListChoice);
    }
    count_->setObjectName("WorksheetCount");
    count_->setRange(FewestOnWorksheet, MostOnWorksheet);
    count_->setValue(ProblemsInSet);
    set_->setObjectName("WorksheetSet");
    set_->setRange(FirstSet, LastSet);
    set_->setToolTip("The same set number and level give the same problems here and in the Working window.");
    title_->setObjectName("WorksheetTitle");
    title_->setPlaceholderText("Class 4b, Tuesday");
    title_->setMaxLength(MostInWorksheetTitle);
    title_->setToolTip("A line of your own over the first page.");
    mixed_->setObjectName("WorksheetMixed");
    mixed_->setToolTip("A product and a division of the level's number in turn.");
    rods_->setObjectName("WorksheetRods");
    rods_->setChecked(true);
    rods_->setToolTip("Without the rods, more problems fit on a page.");
    room_->setObjectName("WorksheetRoom");
    room_->addItem("Squares of 5 mm", static_cast<int>(WorksheetLook::Room::Squared));
    room_->addItem("A lattice for each product", static_cast<int>(WorksheetLook::Room::Lattice));
    room_->setToolTip("A division is worked on squares either way.");
    key_->setObjectName("WorksheetKey");
    key_->setChecked(true);
    summary_->setObjectName("WorksheetSummary");
    summary_->setWordWrap(true);
    summary_->setTextFormat(Qt::PlainText);

    auto* form = new QFormLayout;
    form->addRow("&Level:", level_);
    form->addRow("&Problems:", count_);
    form->addRow("&Set:", set_);
    form->addRow("&Title:", title_);
    form->addRow("", mixed_);
    form->addRow("", rods_);
    form->addRow("Room to &work:", room_);
    form->addRow("", key_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* save = buttons->addButton("Save as &PDF…", QDialogButtonBox::AcceptRole);
    save->setObjectName("SaveWorksheet");
    QPushButton* print = buttons->addButton("P&rint…", QDialogButtonBox::ActionRole);
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
    const QString problems = fromUtf8(counted(sheet.problems.size(), "problem", "problems"));
    summary_->setText(
        key_->isChecked()
            ? QString("%1: %2, then the answer key on pages of its own.").arg(fromUtf8(sheet.source), problems)
            : QString("%1: %2, with no answer key.").arg(fromUtf8(sheet.source), problems));
}

QString WorksheetDialog::saveTo(const QString& path) const { return saveWorksheet(path, worksheet(), look()).error; }

void WorksheetDialog::save()
{
    const QString path = askWhereToSavePdf(this, "Save the worksheet", "worksheet.pdf");
    if (path.isEmpty())
        return;
    if (const QString error = saveTo(path); !error.isEmpty())
        QMessageBox::warning(this, "Worksheet", error);
}

void WorksheetDialog::print()
{
    const Worksheet sheet = worksheet();
    const WorksheetLook chosen = look();
    const QString error = printWithPreview(this, "Worksheet", [&sheet, &chosen](QPagedPaintDevice& device) {
        return paintWorksheet(device, sheet, chosen);
    });
    if (!error.isEmpty())
        QMessageBox::warning(this, "Worksheet", error);
}

} // namespace rods
