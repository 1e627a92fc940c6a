#include "working_window/worksheet_dialog.h"

#include "drawings/text_lines.h"
#include "paper/paper_files.h"
#include "paper/printing.h"
#include "tutor/exercise/sentence.h"
#include "tutor/problems/problem_sets.h"
#include "working_window/level_choices.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
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
    summary_->setObjectName("WorksheetSummary");
    summary_->setWordWrap(true);
    summary_->setTextFormat(Qt::PlainText);

    auto* form = new QFormLayout;
    form->addRow("&Level:", level_);
    form->addRow("&Problems:", count_);
    form->addRow("&Set:", set_);
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
    if (const Level* level = levelOfChoice(choice))
        return levelWorksheet(*level, set_->value(), count_->value());
    return listWorksheet(list_, listName_.toStdString(), count_->value());
}

void WorksheetDialog::describe()
{
    const bool list = level_->currentData().toInt() == ListChoice;
    set_->setEnabled(!list);
    const Worksheet sheet = worksheet();
    summary_->setText(
        QString("%1: %2, then the answer key on a page of its own.")
            .arg(fromUtf8(sheet.source), fromUtf8(counted(sheet.problems.size(), "problem", "problems"))));
}

QString WorksheetDialog::saveTo(const QString& path) const { return saveWorksheet(path, worksheet()).error; }

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
    const QString error = printWithPreview(
        this, "Worksheet", [&sheet](QPagedPaintDevice& device) { return paintWorksheet(device, sheet); });
    if (!error.isEmpty())
        QMessageBox::warning(this, "Worksheet", error);
}

} // namespace rods
