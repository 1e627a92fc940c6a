#include "window/working_window.h"

#include "core/reading_words.h"
#include "window/answer_panel.h"
#include "window/fixed_text.h"
#include "window/rods_picture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace rods {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

QString joinLines(const std::vector<std::string>& lines)
{
    QStringList joined;
    for (const std::string& line : lines)
        joined << fromUtf8(line);
    return joined.join('\n');
}

QLabel* textLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

WorkingWindow::WorkingWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , picture_(new RodsPicture(this))
    , counter_(textLabel("StepCounter", this))
    , explanation_(nullptr)
    , longMultiplication_(textLabel("LongMultiplication", this))
    , previous_(new QPushButton("Previous", this))
    , next_(new QPushButton("Next", this))
    , workYourself_(new QCheckBox("Work it yourself", this))
    , tally_(textLabel("Tally", this))
    , answers_(new AnswerPanel(this))
{
    setObjectName("WorkingWindow");
    // The program ends with its main window, whether or not this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(820, 560);

    // Larger than the toolkit's default: pupils read these. A step's text has
    // a place of its own, so that a longer text never shrinks the picture.
    QFont reading = font();
    reading.setPointSizeF(reading.pointSizeF() * 1.25);
    explanation_ = new FixedText("Explanation", "Step", reading, 5, this);
    longMultiplication_->setAccessibleName("Long multiplication");
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(reading.pointSizeF() * 1.2);
    longMultiplication_->setFont(fixed);
    longMultiplication_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    longMultiplication_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    counter_->setAccessibleName("Step number");
    previous_->setObjectName("Previous");
    previous_->setAccessibleDescription("Shows the step before this one.");
    next_->setObjectName("Next");
    next_->setAccessibleDescription("Shows the next step.");
    // Enter on Next goes on, so that a learner can work with the keys alone.
    next_->setAutoDefault(true);
    workYourself_->setObjectName("WorkItYourself");
    workYourself_->setAccessibleDescription(
        "You answer each step yourself, and get a hint where an answer goes wrong.");
    tally_->setAccessibleName("Tally");

    auto* top = new QHBoxLayout;
    top->addWidget(picture_, 1);
    top->addWidget(longMultiplication_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(workYourself_);
    buttons->addSpacing(12);
    buttons->addWidget(counter_, 1);
    buttons->addWidget(tally_);
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top, 1);
    column->addWidget(explanation_);
    column->addWidget(answers_);
    column->addLayout(buttons);
    setTabOrder(answers_, previous_);
    setTabOrder(previous_, next_);
    setTabOrder(next_, workYourself_);

    connect(workYourself_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            startPractice();
            step_ = 0;
        }
        showStep();
        if (on)
            answers_->focusAnswer();
    });
    connect(answers_, &AnswerPanel::checkRequested, this, &WorkingWindow::checkAnswer);
    connect(answers_, &AnswerPanel::showAnswerRequested, this, &WorkingWindow::revealAnswer);

    connect(previous_, &QPushButton::clicked, this, [this] { goToStep(step_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { goToStep(step_ + 1); });
    auto shortcut = [this](QKeySequence keys, auto action) {
        auto* added = new QShortcut(keys, this, nullptr, nullptr, Qt::WindowShortcut);
        connect(added, &QShortcut::activated, this, action);
    };
    shortcut(Qt::Key_Left, [this] { goToStep(step_ - 1); });
    shortcut(Qt::Key_Right, [this] { goToStep(step_ + 1); });
    shortcut(Qt::Key_Home, [this] { goToStep(0); });
    shortcut(Qt::Key_End, [this] { goToStep(stepCount() - 1); });
    shortcut(Qt::Key_Escape, [this] { close(); });
    shortcut(QKeySequence::Copy, [this] { QGuiApplication::clipboard()->setText(workingText()); });
}

void WorkingWindow::showProduct(const ProductRecord& record)
{
    record_ = record;
    working_ = workOut(record);
    setWindowTitle(fromUtf8(workingTitle(record)));
    picture_->setRods(record.rods);
    // Wide and tall enough for the whole sum from the start, so that the
    // layout keeps still while the steps add lines.
    longMultiplication_->setText(working_.reading ? joinLines(longMultiplication(*working_.reading, SIZE_MAX))
                                                  : QString());
    longMultiplication_->setMinimumSize(longMultiplication_->sizeHint());
    step_ = 0;
    startPractice();
    showStep();
}

bool WorkingWindow::practising() const { return workYourself_->isChecked() && working_.reading.has_value(); }

void WorkingWindow::startPractice()
{
    practice_ = working_.reading ? Practice(*working_.reading) : Practice();
    typed_.assign(practice_.steps(), QString());
    verdicts_.assign(practice_.steps(), QString());
    marked_.reset();
}

int WorkingWindow::stepCount() const
{
    return working_.reading ? static_cast<int>(working_.reading->rows.size()) + 1 : 0;
}

void WorkingWindow::goToStep(int step)
{
    const int last = practising() ? static_cast<int>(practice_.reachable()) : stepCount() - 1;
    if (stepCount() == 0 || step < 0 || step > last || step == step_)
        return;
    step_ = step;
    showStep();
    // Back at the step being worked, the learner types on.
    if (practising() && practice_.state(static_cast<std::size_t>(step_)) == Practice::State::Open)
        answers_->focusAnswer();
}

QString WorkingWindow::stepText(int step) const
{
    const Reading& reading = *working_.reading;
    const auto index = static_cast<std::size_t>(step);
    return fromUtf8(index < reading.rows.size() ? rowInWords(reading, index) : sumInWords(reading, record_.listed));
}

void WorkingWindow::showStep()
{
    const bool reading = working_.reading.has_value();
    const bool practice = practising();
    counter_->setVisible(reading);
    previous_->setVisible(reading);
    next_->setVisible(reading);
    workYourself_->setVisible(reading);
    answers_->setVisible(practice);
    tally_->setVisible(practice);
    if (!reading) {
        explanation_->setText(fromUtf8(productSentence(record_) + "\n" + working_.whyNot));
        longMultiplication_->clear();
        picture_->setRow(nullptr);
        return;
    }
    const auto index = static_cast<std::size_t>(step_);
    const std::vector<RowReading>& rows = working_.reading->rows;
    // An open step keeps its answer hidden: the diagonals' digits, its row in
    // the long multiplication and the total.
    const bool open = practice && practice_.state(index) == Practice::State::Open;
    picture_->setRow(index < rows.size() ? &rows[index] : nullptr,
                     open ? RodsPicture::Digits::Hidden : RodsPicture::Digits::Shown);
    picture_->setMarkedDiagonal(open ? marked_ : std::nullopt);
    counter_->setText(QString("Step %1 of %2").arg(step_ + 1).arg(stepCount()));
    explanation_->setText(open ? fromUtf8(practice_.question(index).task) : stepText(step_));
    const Total total = !practice || practice_.finished() ? Total::Shown : Total::Hidden;
    longMultiplication_->setText(joinLines(longMultiplication(*working_.reading, open ? index : index + 1, total)));
    if (practice) {
        showAnswerPanel(index, open);
        tally_->setText(fromUtf8(practice_.tally()));
    }
    previous_->setEnabled(step_ > 0);
    next_->setEnabled(step_ < (practice ? static_cast<int>(practice_.reachable()) : stepCount() - 1));
}

void WorkingWindow::showAnswerPanel(std::size_t step, bool open)
{
    const StepQuestion& question = practice_.question(step);
    const QString whole = fromUtf8(question.whole);
    QString name = QString("Answer for step %1 of %2: %3").arg(step + 1).arg(stepCount()).arg(whole);
    if (question.kind == PlaceKind::Column)
        name += ", the sum of the rows";
    if (open)
        answers_->ask(whole + " =", name, typed_[step]);
    else
        answers_->showAnswered(whole + " =", name, typed_[step]);
    answers_->setHint(verdicts_[step]);
}

void WorkingWindow::checkAnswer(const QString& typed)
{
    if (!practising())
        return;
    const auto step = static_cast<std::size_t>(step_);
    const Practice::Attempt attempt = practice_.answer(step, typed.toStdString());
    switch (attempt.outcome) {
    case Practice::Attempt::Outcome::Refused:
        // Counts as nothing: the step's hint comes back with the next try.
        answers_->setHint(fromUtf8(attempt.message));
        answers_->announceHint();
        return;
    case Practice::Attempt::Outcome::Wrong:
        typed_[step] = typed;
        verdicts_[step] = fromUtf8(attempt.message);
        marked_ = step < working_.reading->rows.size() ? attempt.markedPlace : std::nullopt;
        showStep();
        answers_->announceHint();
        return;
    case Practice::Attempt::Outcome::Right:
        typed_[step] = typed.simplified();
        settleStep("Right!");
        return;
    }
}

void WorkingWindow::revealAnswer()
{
    if (!practising())
        return;
    const auto step = static_cast<std::size_t>(step_);
    practice_.reveal(step);
    typed_[step] = fromUtf8(practice_.question(step).answer);
    settleStep(QString("The answer is %1.").arg(typed_[step]));
}

void WorkingWindow::settleStep(const QString& verdict)
{
    const auto step = static_cast<std::size_t>(step_);
    verdicts_[step] =
        verdict + " "
        + (practice_.finished() ? fromUtf8(practice_.summary()) : QString("Press Next for step %1.").arg(step_ + 2));
    marked_.reset();
    showStep();
    answers_->announceHint();
    if (next_->isEnabled())
        next_->setFocus(Qt::OtherFocusReason);
}

int WorkingWindow::stepsRevealed() const { return practising() ? static_cast<int>(practice_.answered()) : stepCount(); }

QString WorkingWindow::workingText() const
{
    if (!working_.reading)
        return fromUtf8(productSentence(record_) + "\n" + working_.whyNot + "\n");
    const int revealed = stepsRevealed();
    const Total total = revealed == stepCount() ? Total::Shown : Total::Hidden;
    QString text = joinLines(longMultiplication(*working_.reading, static_cast<std::size_t>(revealed), total)) + "\n\n";
    for (int step = 0; step < revealed; ++step)
        text += QString("Step %1 of %2: %3\n").arg(step + 1).arg(stepCount()).arg(stepText(step));
    return text;
}

} // namespace rods
