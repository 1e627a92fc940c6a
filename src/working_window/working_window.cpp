#include "working_window/working_window.h"

#include "core/numbers.h"
#include "core/words.h"
#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "tutor/multiplication/reading_words.h"
#include "tutor/pupils/pupil_name.h"
#include "working_window/answer_panel.h"
#include "working_window/class_window.h"
#include "working_window/column_lines.h"
#include "working_window/column_marks.h"
#include "working_window/fixed_text.h"
#include "working_window/paper_menu.h"
#include "working_window/problem_line.h"
#include "working_window/problem_picker.h"
#include "working_window/progress_keeper.h"
#include "working_window/pupil_bar.h"
#include "working_window/pupil_keeper.h"
#include "working_window/rods_picture.h"
#include "working_window/step_buttons.h"
#include "working_window/step_pane.h"
#include "working_window/window_keys.h"
#include "working_window/window_zoom.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace rods {

WorkingWindow::WorkingWindow(QWidget* parent, const QString& pupil)
    : QWidget(parent, Qt::Window)
    , pupils_(std::make_unique<PupilKeeper>(progressFolder()))
    , pupilBar_(new PupilBar(this))
    , picker_(new ProblemPicker(this))
    , problemLine_(new ProblemLine(this))
    , pane_(new StepPane(this))
    , answers_(new AnswerPanel(this))
    , buttons_(new StepButtons(this))
{
    setObjectName("WorkingWindow");
    // The program ends with its main window, whether or not this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(860, 680);

    auto* column = new QVBoxLayout(this);
    column->addWidget(pupilBar_);
    column->addWidget(picker_);
    column->addWidget(problemLine_);
    column->addWidget(pane_, 1);
    column->addWidget(answers_);
    column->addWidget(buttons_);
    setTabOrder(answers_, buttons_->previous());
    paperMenu_ = std::make_unique<PaperMenu>(buttons_->paper(), this, picker_, lesson_);
    // The account's records from before pupils had files of their own are
    // the account's pupil's; whoever starts.
    const std::string earlier = pupils_->folders().adoptEarlierProgress(accountPupilName());
    pupil_ = pupils_->startingPupil(pupil);
    progress_ = std::make_unique<ProgressKeeper>(this, picker_, pupils_->folders().progressOf(pupil_.toStdString()));
    zoom_ = std::make_unique<WindowZoom>(
        WindowZoom::Widgets{this, pane_->explanation(), pane_->columns(), pane_->longWorking(), pane_->picture()},
        [this] { applyZoom(); });
    applyZoom();

    connect(buttons_->workYourself(), &QCheckBox::toggled, this, [this](bool on) {
        lesson_.setPractising(on);
        showStep();
        if (on)
            answers_->focusAnswer();
    });
    connect(problemLine_, &ProblemLine::problemRequested, this, &WorkingWindow::showProblem);
    connect(picker_, &ProblemPicker::posed, this, &WorkingWindow::showPosed);
    connect(pupilBar_, &PupilBar::progressRequested, this, &WorkingWindow::showProgress);
    connect(pupilBar_, &PupilBar::classRequested, this, &WorkingWindow::showClass);
    connect(pupilBar_, &PupilBar::pupilChosen, this, &WorkingWindow::setPupil);
    connect(picker_, &ProblemPicker::placeChanged, this, [this] {
        if (!resuming_)
            keepPlace();
    });
    connect(answers_, &AnswerPanel::checkRequested, this, &WorkingWindow::checkAnswer);
    connect(answers_, &AnswerPanel::showAnswerRequested, this, &WorkingWindow::revealAnswer);

    connect(buttons_->previous(), &QPushButton::clicked, this, [this] { goToStep(step() - 1); });
    connect(buttons_->next(), &QPushButton::clicked, this, [this] { goToStep(step() + 1); });
    addWindowKeys(this);
    showStep();
    setPupil(pupil_);
    if (!earlier.empty())
        picker_->say(fromUtf8(earlier));
}

void WorkingWindow::setPupil(const QString& pupil)
{
    // A problem left open stays open in its pupil's place; nothing of one
    // pupil's answers is shown to, or counted for, the next.
    posed_.reset();
    if (hasProblem_ && pupil != pupil_) {
        keptLessons_ = KeptLessons();
        lesson_ = Lesson();
        hasProblem_ = false;
        setWindowTitle(QString());
        pane_->setProblem({}, {});
        showStep();
    }
    pupil_ = pupil;
    progress_->setFile(pupils_->folders().progressOf(pupil.toStdString()));
    pupilBar_->showPupil(pupil, pupils_->known());
    pupils_->rememberLast(pupil);
    placeRefused_ = false;
    resuming_ = true;
    picker_->resume(pupils_->placeOf(pupil).value_or(KeptPlace{}));
    resuming_ = false;
}

void WorkingWindow::keepPlace()
{
    if (placeRefused_)
        return;
    const QString failure = pupils_->keepPlace(pupil_, picker_->place());
    if (!failure.isEmpty()) {
        // Said once: the pupil works on.
        placeRefused_ = true;
        // TRANSLATORS: %1 says why, in a sentence of its own.
        picker_->say(uiText("WorkingWindow", "Where you left off cannot be kept. %1 Everything else works as before.")
                         .arg(failure));
    }
}

WorkingWindow::~WorkingWindow() = default;

double WorkingWindow::zoom() const { return zoom_->zoom(); }

void WorkingWindow::setZoom(double zoom) { zoom_->setZoom(zoom); }

void WorkingWindow::applyZoom()
{
    zoom_->apply();
    pane_->fitWorking(toLines(lesson_.fullWorking().text()));
}

void WorkingWindow::showProduct(const ProductRecord& record)
{
    keptLessons_.keep(lesson_);
    // A product worked in part is taken up again where it was left.
    Lesson lesson = keptLessons_.takeUp(Lesson(exerciseFor(record)));
    if (lesson.stepCount() > 0) {
        Problem problem;
        problem.rods = record.rods;
        problem.number = static_cast<std::uint64_t>(record.multiplicand);
        problemLine_->showProblem(problem);
    } else {
        problemLine_->showNumbers(Operation::Multiply, fromUtf8(rodDigits(record.rods)),
                                  fromUtf8(numberToText(record.multiplicand)));
    }
    open(std::move(lesson));
}

void WorkingWindow::showProblem(const Problem& problem)
{
    if (problem.operation == Operation::Multiply) {
        showProduct({problem.rods, static_cast<double>(problem.number), std::string()});
        return;
    }
    keptLessons_.keep(lesson_);
    problemLine_->showProblem(problem);
    open(Lesson::ofProblem(problem));
}

void WorkingWindow::open(Lesson lesson)
{
    posed_.reset();
    lesson_ = std::move(lesson);
    hasProblem_ = true;
    paperMenu_->setWorkingShown(true);
    lesson_.setPractising(buttons_->workYourself()->isChecked());
    setWindowTitle(fromUtf8(lesson_.title()));
    pane_->setProblem(lesson_.rods(), toLines(lesson_.columnLines()));
    applyZoom();
    showStep();
    announceStep();
}

void WorkingWindow::askForProblem(Operation operation, const QString& rods) { problemLine_->askFor(operation, rods); }

bool WorkingWindow::practising() const { return lesson_.practising(); }

void WorkingWindow::goToStep(int step)
{
    if (!lesson_.goTo(step))
        return;
    showStep();
    announceStep();
    // Back at the step being worked, the learner types on.
    if (const StepView view = lesson_.view(); view.answer && view.answer->open)
        answers_->focusAnswer();
}

void WorkingWindow::showStep()
{
    StepView view;
    if (hasProblem_) {
        view = lesson_.view();
    } else {
        // Nothing to step through, answer or put on paper: only what to do.
        // TRANSLATORS: "Work" and "New problem" are the buttons of that name.
        view.words = translated("WorkingWindow", "Type a problem in the boxes above and press Work, or choose a level "
                                                 "and press New problem.");
        paperMenu_->setWorkingShown(false);
    }
    pane_->show(view);

    answers_->setVisible(view.answer.has_value());
    if (view.answer) {
        const AnswerView& answer = *view.answer;
        if (answer.open)
            answers_->ask(fromUtf8(answer.question()), fromUtf8(answer.name), fromUtf8(answer.typed));
        else
            answers_->showAnswered(fromUtf8(answer.question()), fromUtf8(answer.name), fromUtf8(answer.typed));
        answers_->setHint(fromUtf8(answer.hint));
    }
    buttons_->show(view);
}

void WorkingWindow::announceStep()
{
    if (lesson_.stepCount() == 0)
        return;
    // Screen readers speak the new step as it appears, as they do a hint.
    QAccessibleEvent event(pane_->explanation(), QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
    // TRANSLATORS: what a screen reader says as a step appears: %1 is where
    // the step stands ("Step 2 of 7"), %2 what the step says.
    const QString said = uiText("WorkingWindow", "%1. %2");
    Q_EMIT stepAnnounced(said.arg(buttons_->counter(), pane_->explanation()->toPlainText()));
}

void WorkingWindow::checkAnswer(const QString& typed) { settle(lesson_.answer(typed.toStdString())); }

void WorkingWindow::revealAnswer() { settle(lesson_.reveal()); }

void WorkingWindow::settle(const Lesson::Outcome& outcome)
{
    switch (outcome.kind) {
    case Lesson::Outcome::Kind::None:
        return;
    case Lesson::Outcome::Kind::Refused:
        // Counts as no try: the answer stays in the box as typed.
        answers_->setHint(fromUtf8(lesson_.view().answer->hint));
        answers_->announceHint();
        return;
    case Lesson::Outcome::Kind::Wrong:
    case Lesson::Outcome::Kind::Right:
        break;
    }
    if (outcome.finished) {
        Q_EMIT problemWorked(progress_->keep(lesson_.record(), posed_));
        if (posed_)
            picker_->finish();
    }
    showStep();
    outcome.kind == Lesson::Outcome::Kind::Right && !outcome.stepDone ? announceStep() : answers_->announceHint();
    // A step with a second question asks it at once; otherwise the learner
    // goes on, never from the check box, where a stray Space would change the
    // mode.
    if (outcome.kind == Lesson::Outcome::Kind::Wrong || !outcome.stepDone)
        answers_->focusAnswer();
    else if (!buttons_->focusOnwards())
        answers_->focusAnswer();
}

QString WorkingWindow::workingText() const { return hasProblem_ ? fromUtf8(lesson_.text()) : QString(); }

void WorkingWindow::showPosed(const PosedProblem& posed)
{
    // Leaving a posed problem for the next before its end leaves a trace.
    if (posed_ && hasProblem_ && !lesson_.finished()) {
        ProgressRecord skipped = lesson_.record();
        skipped.skipped = true;
        progress_->keep(skipped, posed_);
    }
    {
        // The problem below starts its practice; no need for the old one's.
        const QSignalBlocker block(buttons_->workYourself());
        buttons_->workYourself()->setChecked(true);
    }
    showProblem(posed.problem);
    posed_ = posed;
    // A posed product taken up again where it was left keeps its answers;
    // one begun afresh starts at its first answer.
    answers_->focusAnswer();
}

void WorkingWindow::useProblemList(const ProblemList& list, const QString& name) { picker_->useList(list, name); }

void WorkingWindow::showProgress() { progress_->show(); }

void WorkingWindow::showClass()
{
    if (!classWindow_) {
        classWindow_ = new ClassWindow(progressFolder(), this);
        connect(classWindow_, &ClassWindow::progressAsked, this,
                [this](const QString& pupil, const QStringList& files) {
                    std::vector<std::string> paths;
                    for (const QString& file : files)
                        paths.push_back(QFile::encodeName(file).toStdString());
                    progress_->showFiles(pupil, std::move(paths));
                });
    } else if (classWindow_->isVisible()) {
        classWindow_->refresh(); // being shown refreshes it otherwise
    }
    classWindow_->show();
    classWindow_->raise();
    classWindow_->activateWindow();
}

QString WorkingWindow::saveWorkingTo(const QString& path) const { return paperMenu_->saveWorkingTo(path); }

WorksheetDialog* WorkingWindow::worksheetDialog() { return paperMenu_->worksheetDialog(); }

} // namespace rods
