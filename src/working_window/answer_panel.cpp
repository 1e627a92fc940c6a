#include "working_window/answer_panel.h"

#include "drawings/screen_words.h"
#include "working_window/fixed_text.h"

#include <QAccessible>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rods {

AnswerPanel::AnswerPanel(QWidget* parent)
    : QWidget(parent)
    , question_(new QLabel(this))
    , answer_(new QLineEdit(this))
    , check_(new QPushButton(uiText("AnswerPanel", "Check"), this))
    , show_(new QPushButton(uiText("AnswerPanel", "Show answer"), this))
    , hint_(new FixedText("Hint", uiText("AnswerPanel", "Hint"), font(), 3, this))
{
    setObjectName("AnswerPanel");
    // Keeps its room while hidden, so that showing it never takes room from
    // the picture.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    question_->setObjectName("Question");
    question_->setTextFormat(Qt::PlainText);
    question_->setBuddy(answer_);
    answer_->setObjectName("Answer");
    // Room for the longest answer, 23 digits, and for blanks between them.
    answer_->setMaxLength(64);
    fitToFont();
    check_->setObjectName("Check");
    check_->setAccessibleDescription(uiText("AnswerPanel", "Checks your answer."));
    show_->setObjectName("ShowAnswer");
    show_->setAccessibleDescription(
        uiText("AnswerPanel", "Shows the answer of this step. It then does not count as right at the first try."));

    auto* row = new QHBoxLayout;
    row->addWidget(question_);
    row->addWidget(answer_);
    row->addWidget(check_);
    row->addWidget(show_);
    row->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(row);
    column->addWidget(hint_);

    auto check = [this] {
        if (!answer_->isReadOnly())
            Q_EMIT checkRequested(answer_->text());
    };
    connect(answer_, &QLineEdit::returnPressed, this, check);
    connect(check_, &QPushButton::clicked, this, check);
    connect(show_, &QPushButton::clicked, this, &AnswerPanel::showAnswerRequested);
}

void AnswerPanel::ask(const QString& question, const QString& name, const QString& typed)
{
    question_->setText(question);
    answer_->setAccessibleName(name);
    if (answer_->text() != typed)
        answer_->setText(typed);
    setAnswerable(true);
}

void AnswerPanel::showAnswered(const QString& question, const QString& name, const QString& answer)
{
    question_->setText(question);
    answer_->setAccessibleName(name);
    answer_->setText(answer);
    setAnswerable(false);
}

void AnswerPanel::setAnswerable(bool answerable)
{
    answer_->setReadOnly(!answerable);
    check_->setEnabled(answerable);
    show_->setEnabled(answerable);
}

void AnswerPanel::fitToFont()
{
    hint_->setFont(font());
    answer_->setMinimumWidth(answer_->fontMetrics().horizontalAdvance(QString(24, '8')));
}

void AnswerPanel::changeEvent(QEvent* event)
{
    // Zoomed with its window: the hint and the box grow with the words.
    if (event->type() == QEvent::FontChange)
        fitToFont();
    QWidget::changeEvent(event);
}

void AnswerPanel::setHint(const QString& hint) { hint_->setText(hint); }

void AnswerPanel::announceHint()
{
    // An alert makes screen readers speak the hint as it appears; the label
    // keeps it to be read again.
    QAccessibleEvent event(hint_, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
    Q_EMIT hintAnnounced(hint_->toPlainText());
}

QString AnswerPanel::typed() const { return answer_->text(); }

void AnswerPanel::focusAnswer() { answer_->setFocus(Qt::OtherFocusReason); }

} // namespace rods
