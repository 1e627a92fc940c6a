#include "working_window/problem_line.h"

#include "drawings/screen_words.h"

#include <QAccessible>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace rods {

ProblemLine::ProblemLine(QWidget* parent)
    : QWidget(parent)
    , first_(new QLineEdit(this))
    , operation_(new QComboBox(this))
    , second_(new QLineEdit(this))
    , work_(new QPushButton(uiText("ProblemLine", "Work"), this))
    , message_(new QLabel(this))
{
    setObjectName("ProblemLine");
    // Numbers read left to right in every language.
    setLayoutDirection(Qt::LeftToRight);
    first_->setObjectName("FirstNumber");
    second_->setObjectName("SecondNumber");
    operation_->setObjectName("Operation");
    operation_->setAccessibleName(uiText("ProblemLine", "Operation"));
    operation_->addItem(QString::fromUtf8("\xc3\x97"), QVariant::fromValue(int(Operation::Multiply)));
    operation_->addItem(QString::fromUtf8("\xc3\xb7"), QVariant::fromValue(int(Operation::Divide)));
    operation_->setItemData(0, uiText("ProblemLine", "times"), Qt::AccessibleTextRole);
    operation_->setItemData(1, uiText("ProblemLine", "divided by"), Qt::AccessibleTextRole);
    work_->setObjectName("Work");
    work_->setAccessibleDescription(uiText("ProblemLine", "Works the problem typed in the boxes, step by step."));
    message_->setObjectName("ProblemMessage");
    message_->setTextFormat(Qt::PlainText);
    // Room for 15 digits and a little more in each box.
    for (QLineEdit* box : {first_, second_}) {
        box->setMaxLength(64);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(17, '8')));
        connect(box, &QLineEdit::returnPressed, this, &ProblemLine::request);
    }

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(first_);
    row->addWidget(operation_);
    row->addWidget(second_);
    row->addWidget(work_);
    row->addWidget(message_, 1);
    setOperation(Operation::Multiply);

    connect(operation_, &QComboBox::currentIndexChanged, this, [this] {
        setOperation(operation());
        say({});
    });
    connect(work_, &QPushButton::clicked, this, &ProblemLine::request);
}

Operation ProblemLine::operation() const { return static_cast<Operation>(operation_->currentData().toInt()); }

void ProblemLine::setOperation(Operation operation)
{
    const int index = operation == Operation::Multiply ? 0 : 1;
    if (operation_->currentIndex() != index)
        operation_->setCurrentIndex(index);
    const bool multiply = operation == Operation::Multiply;
    // The boxes are named for what they hold: the rods' number is the
    // multiplier or the divisor.
    first_->setAccessibleName(multiply ? uiText("ProblemLine", "Multiplier") : uiText("ProblemLine", "Dividend"));
    second_->setAccessibleName(multiply ? uiText("ProblemLine", "Multiplicand") : uiText("ProblemLine", "Divisor"));
    first_->setPlaceholderText(first_->accessibleName());
    second_->setPlaceholderText(second_->accessibleName());
    const QString rodsDigits = uiText("ProblemLine", "1 to 8 digits, one for each rod");
    const QString numberDigits = uiText("ProblemLine", "1 to 15 digits");
    first_->setToolTip(multiply ? rodsDigits : numberDigits);
    second_->setToolTip(multiply ? numberDigits : rodsDigits);
}

void ProblemLine::showProblem(const Problem& problem)
{
    QString rods;
    for (int digit : problem.rods)
        rods += QChar('0' + digit);
    const QString number = QString::number(problem.number);
    if (problem.operation == Operation::Multiply)
        showNumbers(problem.operation, rods, number);
    else
        showNumbers(problem.operation, number, rods);
}

void ProblemLine::showNumbers(Operation operation, const QString& first, const QString& second)
{
    setOperation(operation);
    first_->setText(first);
    second_->setText(second);
    say({});
}

void ProblemLine::askFor(Operation operation, const QString& rods)
{
    setOperation(operation);
    (operation == Operation::Multiply ? first_ : second_)->setText(rods);
    QLineEdit* other = otherBox();
    other->clear();
    other->setFocus(Qt::OtherFocusReason);
    say({});
}

QLineEdit* ProblemLine::otherBox() const { return operation() == Operation::Multiply ? second_ : first_; }

QString ProblemLine::message() const { return message_->text(); }

void ProblemLine::say(const QString& message)
{
    if (message_->text() == message)
        return;
    message_->setText(message);
    if (!message.isEmpty()) {
        QAccessibleEvent event(message_, QAccessible::Alert);
        QAccessible::updateAccessibility(&event);
    }
}

void ProblemLine::request()
{
    const ProblemRead read = readProblem(operation(), first_->text().toStdString(), second_->text().toStdString());
    if (!read.problem) {
        say(QString::fromStdString(read.refusal));
        return;
    }
    say({});
    Q_EMIT problemRequested(*read.problem);
}

} // namespace rods
