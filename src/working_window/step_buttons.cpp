#include "working_window/step_buttons.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace rods {
namespace {

QLabel* textLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

StepButtons::StepButtons(QWidget* parent)
    : QWidget(parent)
    , workYourself_(new QCheckBox(uiText("WorkingWindow", "Work it yourself"), this))
    , counter_(textLabel("StepCounter", this))
    , tally_(textLabel("Tally", this))
    , previous_(new QPushButton(uiText("WorkingWindow", "Previous"), this))
    , next_(new QPushButton(uiText("WorkingWindow", "Next"), this))
    , paper_(new QToolButton(this))
{
    previous_->setObjectName("Previous");
    previous_->setAccessibleDescription(uiText("WorkingWindow", "Shows the step before this one."));
    next_->setObjectName("Next");
    next_->setAccessibleDescription(uiText("WorkingWindow", "Shows the next step."));
    // Enter on Next goes on, so that a learner can work with the keys alone.
    next_->setAutoDefault(true);
    workYourself_->setObjectName("WorkItYourself");
    workYourself_->setAccessibleDescription(
        uiText("WorkingWindow", "You answer each step yourself, and get a hint where an answer goes wrong."));
    // The tally keeps its room while hidden, so that the row keeps still.
    QSizePolicy policy = tally_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    tally_->setSizePolicy(policy);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(workYourself_);
    row->addSpacing(12);
    row->addWidget(counter_, 1);
    row->addWidget(tally_);
    row->addWidget(previous_);
    row->addWidget(next_);
    row->addSpacing(12);
    row->addWidget(paper_);
    setTabOrder(previous_, next_);
    setTabOrder(next_, workYourself_);
    setTabOrder(workYourself_, paper_);
}

void StepButtons::show(const StepView& view)
{
    counter_->setVisible(view.hasSteps);
    previous_->setVisible(view.hasSteps);
    next_->setVisible(view.hasSteps);
    workYourself_->setVisible(view.hasSteps);
    tally_->setVisible(view.practising);
    counter_->setText(fromUtf8(view.counter));
    tally_->setText(fromUtf8(view.tally));
    previous_->setEnabled(view.canGoBack);
    next_->setEnabled(view.canGoOn);
}

bool StepButtons::focusOnwards()
{
    if (next_->isEnabled())
        next_->setFocus(Qt::OtherFocusReason);
    else if (previous_->isEnabled())
        previous_->setFocus(Qt::OtherFocusReason);
    else
        return false;
    return true;
}

QString StepButtons::counter() const { return counter_->text(); }

} // namespace rods
