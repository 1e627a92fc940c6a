#include "tutor/ui/working_window.h"

#include "core/board_state.h"
#include "core/numbers.h"
#include "tutor/division_words.h"
#include "tutor/reading_words.h"
#include "tutor/ui/answer_panel.h"
#include "tutor/ui/column_lines.h"
#include "tutor/ui/column_marks.h"
#include "tutor/ui/fixed_text.h"
#include "tutor/ui/problem_line.h"
#include "tutor/ui/problem_picker.h"
#include "tutor/ui/rods_picture.h"
#include "tutor/ui/text_lines.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace rods {
namespace {

QLabel* textLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Zoom steps, as a browser's: each press of Ctrl+plus goes one up.
constexpr double ZoomSteps[] = {0.75, 0.9, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// Keeps its place in the layout while hidden, so that showing it never takes
// room from the picture.
void keepRoomWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

WorkingWindow::WorkingWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , picker_(new ProblemPicker(this))
    , problemLine_(new ProblemLine(this))
    , view_(new QStackedWidget(this))
    , picture_(new RodsPicture(this))
    , columns_(new ColumnLines(this))
    , counter_(textLabel("StepCounter", this))
    , explanation_(nullptr)
    , longMultiplication_(new ColumnMarks(this))
    , previous_(new QPushButton("Previous", this))
    , next_(new QPushButton("Next", this))
    , workYourself_(new QCheckBox("Work it yourself", this))
    , tally_(textLabel("Tally", this))
    , answers_(new AnswerPanel(this))
    , baseFont_(font())
{
    setObjectName("WorkingWindow");
    // The program ends with its main window, whether or not this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(860, 640);

    explanation_ = new FixedText("Explanation", "Step", font(), 5, this);
    columns_->setObjectName("Columns");
    columns_->setAccessibleName("The columns added");
    view_->addWidget(picture_);
    view_->addWidget(columns_);
    longMultiplication_->setAccessibleDescription("Long multiplication");
    previous_->setObjectName("Previous");
    previous_->setAccessibleDescription("Shows the step before this one.");
    next_->setObjectName("Next");
    next_->setAccessibleDescription("Shows the next step.");
    // Enter on Next goes on, so that a learner can work with the keys alone.
    next_->setAutoDefault(true);
    workYourself_->setObjectName("WorkItYourself");
    workYourself_->setAccessibleDescription(
        "You answer each step yourself, and get a hint where an answer goes wrong.");
    keepRoomWhenHidden(answers_);
    keepRoomWhenHidden(tally_);

    auto* top = new QHBoxLayout;
    top->addWidget(view_, 1);
    top->addWidget(longMultiplication_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(workYourself_);
    buttons->addSpacing(12);
    buttons->addWidget(counter_, 1);
    buttons->addWidget(tally_);
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(picker_);
    column->addWidget(problemLine_);
    column->addLayout(top, 1);
    column->addWidget(explanation_);
    column->addWidget(answers_);
    column->addLayout(buttons);
    setTabOrder(answers_, previous_);
    setTabOrder(previous_, next_);
    setTabOrder(next_, workYourself_);
    applyZoom();

    connect(workYourself_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            startPractice();
            step_ = 0;
        }
        showStep();
        if (on)
            answers_->focusAnswer();
    });
    connect(problemLine_, &ProblemLine::problemRequested, this, &WorkingWindow::showProblem);
    connect(picker_, &ProblemPicker::posed, this, &WorkingWindow::showPosed);
    connect(picker_, &ProblemPicker::progressRequested, this, &WorkingWindow::showProgress);
    connect(answers_, &AnswerPanel::checkRequested, this, &WorkingWindow::checkAnswer);
    connect(answers_, &AnswerPanel::showAnswerRequested, this, &WorkingWindow::revealAnswer);

    connect(previous_, &QPushButton::clicked, this, [this] { goToStep(step_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { goToStep(step_ + 1); });
    auto shortcut = [this](QKeySequence keys, auto action) {
        auto* added = new QShortcut(keys, this, nullptr, nullptr, Qt::WindowShortcut);
        connect(added, &QShortcut::activated, this, action);
    };
    // Left and Right belong to the answer box while it has the focus; the
    // other keys step from anywhere in the window.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::ALT | Qt::Key_Left)})
        shortcut(keys, [this] { goToStep(step_ - 1); });
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_PageDown), QKeySequence(Qt::ALT | Qt::Key_Right)})
        shortcut(keys, [this] { goToStep(step_ + 1); });
    shortcut(Qt::Key_Home, [this] { goToStep(0); });
    shortcut(Qt::Key_End, [this] { goToStep(stepCount() - 1); });
    shortcut(Qt::Key_Escape, [this] { close(); });
    shortcut(QKeySequence::Copy, [this] { QGuiApplication::clipboard()->setText(workingText()); });
    auto zoomBy = [this](int steps) {
        const auto* at = std::upper_bound(std::begin(ZoomSteps), std::end(ZoomSteps), zoom_ - 0.01);
        const auto index = std::clamp<std::ptrdiff_t>(at - std::begin(ZoomSteps) + steps, 0, std::size(ZoomSteps) - 1);
        setZoom(ZoomSteps[index]);
    };
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        shortcut(keys, [zoomBy] { zoomBy(1); });
    shortcut(QKeySequence::ZoomOut, [zoomBy] { zoomBy(-1); });
    shortcut(Qt::CTRL | Qt::Key_0, [this] { setZoom(1.0); });
    shortcut(Qt::Key_F11, [this] { isFullScreen() ? showNormal() : showFullScreen(); });
}

void WorkingWindow::setZoom(double zoom)
{
    zoom = std::clamp(zoom, ZoomSteps[0], ZoomSteps[std::size(ZoomSteps) - 1]);
    if (zoom == zoom_)
        return;
    const double grown = zoom / zoom_;
    zoom_ = zoom;
    applyZoom();
    // The window grows with its contents, as far as the screen has room.
    if (!isMaximized() && !isFullScreen()) {
        QSize size = (QSizeF(this->size()) * grown).toSize();
        if (const QScreen* screen = this->screen())
            size = size.boundedTo(screen->availableGeometry().size());
        resize(size);
    }
}

void WorkingWindow::applyZoom()
{
    QFont base = baseFont_;
    base.setPointSizeF(baseFont_.pointSizeF() * zoom_);
    setFont(base);
    // Larger than the toolkit's default: pupils read these.
    QFont reading = base;
    reading.setPointSizeF(base.pointSizeF() * 1.25);
    explanation_->setFont(reading);
    columns_->setFont(reading);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(reading.pointSizeF() * 1.2);
    longMultiplication_->setFont(fixed);
    picture_->setMinimumSize((QSizeF(240, 200) * zoom_).toSize());
    // Wide and tall enough for the whole sum, so that the layout keeps still
    // while the steps add lines.
    if (working_.reading)
        longMultiplication_->fitTo(toLines(longMultiplication(*working_.reading, SIZE_MAX)));
    else if (division_)
        longMultiplication_->fitTo(toLines(longDivision(*division_, division_->steps.size())));
}

void WorkingWindow::showProduct(const ProductRecord& record)
{
    posed_.reset();
    keepWorkInPart();
    division_.reset();
    divisionProblem_.reset();
    record_ = record;
    key_ = productSentence(record);
    working_ = workOut(record);
    if (working_.reading) {
        Problem problem;
        problem.rods = record.rods;
        problem.number = std::stoull(working_.reading->multiplicand);
        problemLine_->showProblem(problem);
    } else {
        problemLine_->showNumbers(Operation::Multiply, fromUtf8(rodDigits(record.rods)),
                                  fromUtf8(numberToText(record.multiplicand)));
    }
    setWindowTitle(fromUtf8(workingTitle(record)));
    picture_->setRods(record.rods);
    columns_->setLines(working_.reading && working_.reading->hasSumStep() ? toLines(columnLines(*working_.reading))
                                                                          : QStringList());
    applyZoom();
    if (const auto kept = sessions_.find(key_); kept != sessions_.end() && working_.reading) {
        session_ = kept->second;
        step_ = session_.step;
        sessions_.erase(kept);
    } else {
        step_ = 0;
        startPractice();
    }
    showStep();
    announceStep();
}

void WorkingWindow::keepWorkInPart()
{
    // A product worked in part is kept to be taken up again.
    if (working_.reading && session_.practice.answered() > 0 && !session_.practice.finished()) {
        session_.step = step_;
        sessions_[key_] = session_;
    }
}

void WorkingWindow::showProblem(const Problem& problem)
{
    posed_.reset();
    if (problem.operation == Operation::Multiply) {
        // In no list: the words do not compare it with a listed product.
        showProduct({problem.rods, static_cast<double>(problem.number), std::string()});
        return;
    }
    keepWorkInPart();
    working_ = Working();
    record_ = ProductRecord();
    key_.clear();
    BoardState board;
    for (int digit : problem.rods)
        board.placeRod(digit);
    division_ = divideOnRods(board, problem.number);
    divisionProblem_ = problem;
    problemLine_->showProblem(problem);
    setWindowTitle("Working: " + fromUtf8(problemText(problem)));
    picture_->setRods(problem.rods);
    columns_->setLines({});
    applyZoom();
    step_ = 0;
    startPractice();
    showStep();
    announceStep();
}

void WorkingWindow::askForProblem(Operation operation, const QString& rods) { problemLine_->askFor(operation, rods); }

bool WorkingWindow::practising() const
{
    return workYourself_->isChecked() && (working_.reading.has_value() || division_.has_value());
}

void WorkingWindow::startPractice()
{
    divisionPractice_ = division_ ? DivisionPractice(*division_) : DivisionPractice();
    divisionTyped_.assign(divisionPractice_.questions(), QString());
    divisionVerdicts_.assign(divisionPractice_.questions(), QString());
    divisionMarked_.reset();
    session_ = Session();
    session_.practice = working_.reading ? Practice(*working_.reading) : Practice();
    session_.typed.assign(session_.practice.steps(), QString());
    session_.verdicts.assign(session_.practice.steps(), QString());
}

int WorkingWindow::stepCount() const
{
    // A division: its multiples, a step per quotient digit, and the result.
    if (division_)
        return static_cast<int>(division_->steps.size()) + 2;
    return working_.reading ? static_cast<int>(working_.reading->steps()) : 0;
}

int WorkingWindow::lastReachableStep() const
{
    if (!practising())
        return stepCount() - 1;
    if (!division_)
        return static_cast<int>(session_.practice.reachable());
    // The multiples, and the quotient digits up to the one being worked.
    if (divisionPractice_.finished())
        return stepCount() - 1;
    return static_cast<int>(divisionPractice_.question(divisionPractice_.answered()).step) + 1;
}

void WorkingWindow::goToStep(int step)
{
    const int last = lastReachableStep();
    if (stepCount() == 0 || step < 0 || step > last || step == step_)
        return;
    step_ = step;
    showStep();
    announceStep();
    // Back at the step being worked, the learner types on.
    if (division_ ? openDivisionQuestion().has_value()
                  : practising() && session_.practice.state(static_cast<std::size_t>(step_)) == Practice::State::Open)
        answers_->focusAnswer();
}

QString WorkingWindow::stepText(int step) const
{
    return fromUtf8(stepInWords(*working_.reading, static_cast<std::size_t>(step), record_.listed));
}

void WorkingWindow::showStep()
{
    if (divisionProblem_) {
        showDivisionStep();
        return;
    }
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
        longMultiplication_->setLines({});
        view_->setCurrentWidget(picture_);
        picture_->setRow(nullptr);
        return;
    }
    const auto index = static_cast<std::size_t>(step_);
    const std::vector<RowReading>& rows = working_.reading->rows;
    // An open step keeps its answer hidden: the diagonals' digits, its row in
    // the long multiplication and the total.
    const bool open = practice && session_.practice.state(index) == Practice::State::Open;
    const bool isRow = index < rows.size();
    view_->setCurrentWidget(isRow || open ? static_cast<QWidget*>(picture_) : columns_);
    picture_->setRow(isRow ? &rows[index] : nullptr, open ? RodsPicture::Digits::Hidden : RodsPicture::Digits::Shown);
    picture_->setMarkedDiagonal(open && isRow ? session_.marked : std::nullopt);
    counter_->setText(QString("Step %1 of %2").arg(step_ + 1).arg(stepCount()));
    explanation_->setText(open ? fromUtf8(session_.practice.question(index).task) : stepText(step_));
    // The total stands under the rows only at the last step, once it is done.
    const Total total = step_ == stepCount() - 1 && !open ? Total::Shown : Total::Hidden;
    showLongMultiplication(open ? index : index + 1, total, open && !isRow ? session_.marked : std::nullopt);
    if (practice) {
        showAnswerPanel(index, open);
        tally_->setText(fromUtf8(session_.practice.tally()));
    }
    previous_->setEnabled(step_ > 0);
    next_->setEnabled(step_ < (practice ? static_cast<int>(session_.practice.reachable()) : stepCount() - 1));
}

void WorkingWindow::showLongMultiplication(std::size_t rowsShown, Total total, std::optional<std::size_t> markedColumn)
{
    const QStringList lines = toLines(longMultiplication(*working_.reading, rowsShown, total));
    // The column a hint points at stands out in the rows, as a diagonal does
    // in the picture: the lines under the first rule that are not rules.
    std::vector<int> rows;
    for (qsizetype i = 3; i < lines.size(); ++i)
        if (!lines[i].contains('-'))
            rows.push_back(static_cast<int>(i));
    longMultiplication_->setLines(lines);
    longMultiplication_->setMarkedColumn(
        markedColumn ? std::optional<int>(static_cast<int>(*markedColumn)) : std::nullopt, rows);
}

void WorkingWindow::announceStep()
{
    if (!working_.reading && !division_)
        return;
    // Screen readers speak the new step as it appears, as they do a hint.
    QAccessibleEvent event(explanation_, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
    Q_EMIT stepAnnounced(counter_->text() + ". " + explanation_->toPlainText());
}

void WorkingWindow::showAnswerPanel(std::size_t step, bool open)
{
    const StepQuestion& question = session_.practice.question(step);
    const QString whole = fromUtf8(question.whole);
    QString name = QString("Answer for step %1 of %2: %3").arg(step + 1).arg(stepCount()).arg(whole);
    if (question.kind == PlaceKind::Column)
        name += ", the sum of the rows";
    if (open)
        answers_->ask(whole + " =", name, session_.typed[step]);
    else
        answers_->showAnswered(whole + " =", name, session_.typed[step]);
    answers_->setHint(session_.verdicts[step]);
}

void WorkingWindow::checkAnswer(const QString& typed)
{
    if (division_) {
        checkDivisionAnswer(typed);
        return;
    }
    if (!practising())
        return;
    const auto step = static_cast<std::size_t>(step_);
    const Practice::Attempt attempt = session_.practice.answer(step, typed.toStdString());
    switch (attempt.outcome) {
    case Practice::Attempt::Outcome::Refused:
        // Counts as nothing: the step's hint comes back with the next try.
        answers_->setHint(fromUtf8(attempt.message));
        answers_->announceHint();
        return;
    case Practice::Attempt::Outcome::Wrong:
        session_.typed[step] = typed;
        session_.verdicts[step] = fromUtf8(attempt.message);
        session_.marked = attempt.markedPlace;
        showStep();
        answers_->announceHint();
        return;
    case Practice::Attempt::Outcome::Right:
        session_.typed[step] = typed.simplified();
        settleStep(attempt.message.empty() ? QString("Right!") : "Right! " + fromUtf8(attempt.message));
        return;
    }
}

void WorkingWindow::revealAnswer()
{
    if (division_) {
        revealDivisionAnswer();
        return;
    }
    if (!practising())
        return;
    const auto step = static_cast<std::size_t>(step_);
    session_.practice.reveal(step);
    session_.typed[step] = fromUtf8(session_.practice.question(step).answer);
    settleStep(QString("The answer is %1.").arg(session_.typed[step]));
}

void WorkingWindow::settleStep(const QString& verdict)
{
    const auto step = static_cast<std::size_t>(step_);
    if (session_.practice.finished())
        keepProgress();
    session_.verdicts[step] = verdict + " "
                              + (session_.practice.finished() ? fromUtf8(session_.practice.summary())
                                                              : QString("Press Next for step %1.").arg(step_ + 2));
    session_.marked.reset();
    showStep();
    answers_->announceHint();
    // Never on the check box, where a stray Space would change the mode.
    if (next_->isEnabled())
        next_->setFocus(Qt::OtherFocusReason);
    else if (previous_->isEnabled())
        previous_->setFocus(Qt::OtherFocusReason);
    else
        answers_->focusAnswer();
}

int WorkingWindow::stepsRevealed() const
{
    return practising() ? static_cast<int>(session_.practice.answered()) : stepCount();
}

QString WorkingWindow::workingText() const
{
    if (divisionProblem_) {
        if (!division_)
            return explanation_->toPlainText() + "\n";
        // While the learner works it, only the steps done.
        const int done = practising() && !divisionPractice_.finished() ? lastReachableStep() : stepCount();
        const auto worked = static_cast<std::size_t>(std::max(0, std::min(done, stepCount()) - 1));
        QString text = toLines(longDivision(*division_, std::min(worked, division_->steps.size()))).join('\n') + "\n\n";
        for (int step = 0; step < done; ++step)
            text += QString("Step %1 of %2: %3\n").arg(step + 1).arg(stepCount()).arg(divisionStepText(step));
        return text;
    }
    if (!working_.reading)
        return fromUtf8(productSentence(record_) + "\n" + working_.whyNot + "\n");
    const int revealed = stepsRevealed();
    const Total total = revealed == stepCount() ? Total::Shown : Total::Hidden;
    QString text =
        toLines(longMultiplication(*working_.reading, static_cast<std::size_t>(revealed), total)).join('\n') + "\n\n";
    for (int step = 0; step < revealed; ++step) {
        text += QString("Step %1 of %2: %3\n").arg(step + 1).arg(stepCount()).arg(stepText(step));
        if (step == static_cast<int>(working_.reading->rows.size()))
            for (const std::string& line : columnLines(*working_.reading))
                text += "  " + fromUtf8(line) + "\n";
    }
    return text;
}

} // namespace rods
