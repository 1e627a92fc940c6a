#include "working_window/pupil_bar.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "tutor/pupils/pupil_name.h"

#include <QAccessible>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rods {

PupilBar::PupilBar(QWidget* parent)
    : QWidget(parent)
    , names_(new QComboBox(this))
    , progress_(new QPushButton(uiText("PupilBar", "Progress"), this))
    , class_(new QPushButton(uiText("PupilBar", "Class…"), this))
    , refusal_(new QLabel(this))
{
    setObjectName("PupilBar");
    names_->setObjectName("Pupil");
    names_->setEditable(true);
    // A name typed is taken on Enter, not added to the list by the box.
    names_->setInsertPolicy(QComboBox::NoInsert);
    names_->setAccessibleName(uiText("PupilBar", "Pupil"));
    names_->lineEdit()->setAccessibleName(uiText("PupilBar", "Pupil"));
    names_->setToolTip(uiText("PupilBar", "Choose your name, or type it and press Enter. Your progress and the "
                                          "place you left off are kept under it."));
    names_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    names_->setMinimumContentsLength(12);
    progress_->setObjectName("Progress");
    progress_->setAccessibleDescription(
        uiText("PupilBar", "Shows the problems you have worked and the slips made most often."));
    class_->setObjectName("Class");
    class_->setAccessibleDescription(uiText("PupilBar", "Shows every pupil's problems side by side, for the teacher."));
    refusal_->setObjectName("PupilRefusal");
    refusal_->setTextFormat(Qt::PlainText);
    refusal_->setWordWrap(true);
    refusal_->hide();

    auto* label = new QLabel(uiText("PupilBar", "P&upil:"), this);
    label->setBuddy(names_);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(label);
    row->addWidget(names_);
    row->addStretch(1);
    row->addWidget(progress_);
    row->addWidget(class_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(row);
    column->addWidget(refusal_);

    connect(names_->lineEdit(), &QLineEdit::returnPressed, this, [this] { choose(names_->currentText()); });
    connect(names_, &QComboBox::activated, this, [this](int index) { choose(names_->itemText(index)); });
    connect(progress_, &QPushButton::clicked, this, &PupilBar::progressRequested);
    connect(class_, &QPushButton::clicked, this, &PupilBar::classRequested);
}

void PupilBar::showPupil(const QString& pupil, const QStringList& known)
{
    const QSignalBlocker block(names_);
    pupil_ = pupil;
    names_->clear();
    QStringList names = known;
    if (!names.contains(pupil))
        names << pupil;
    names.sort(Qt::CaseInsensitive);
    names_->addItems(names);
    names_->setCurrentIndex(names_->findText(pupil, Qt::MatchExactly));
    refusal_->hide();
}

bool PupilBar::choose(const QString& typed)
{
    const CheckedName checked = checkedPupilName(typed.toStdString());
    if (!checked.refusal.empty()) {
        refusal_->setText(fromUtf8(checked.refusal));
        refusal_->show();
        QAccessibleEvent event(refusal_, QAccessible::Alert);
        QAccessible::updateAccessibility(&event);
        const QSignalBlocker block(names_);
        names_->setCurrentText(pupil_);
        return false;
    }
    refusal_->hide();
    const QString name = fromUtf8(checked.name);
    if (name != pupil_)
        Q_EMIT pupilChosen(name);
    return true;
}

QString PupilBar::refusal() const { return refusal_->isHidden() ? QString() : refusal_->text(); }

} // namespace rods
