#pragma once

#include "tutor/problems/problem.h"
#include "tutor/problems/problem_list.h"
#include "tutor/session/lesson.h"
#include "tutor/session/problem_queue.h"
#include "working_window/kept_lessons.h"

#include <QWidget>

#include <memory>

namespace rods {

enum class Total;
class AnswerPanel;
class ClassWindow;
class PaperMenu;
class ProblemLine;
class ProblemPicker;
class ProgressKeeper;
class PupilBar;
class PupilKeeper;
class StepButtons;
class StepPane;
class WindowZoom;
class WorksheetDialog;

// The tutor's window: how a product is read off the rods, or a long division
// worked with them, step by step: the rods with the row being read (or, at a
// product's adding step, its columns), the step in words, and the long
// working so far. With "Work it yourself" checked, the learner answers each
// step before its working shows and gets a hint naming the slip. Problems
// come from the main window's list, the problem line, the program's levels
// or a teacher's list; each one worked to the end, or skipped, is kept in
// the progress of the pupil working, and where the pupil left off is kept
// between starts. The lesson decides what a step shows; the window shows it, and
// routes the learner's doings between the lesson and the parts that keep
// lessons worked in part, keep progress, zoom and put the working on paper.
class WorkingWindow : public QWidget {
    Q_OBJECT

public:
    // Starts as the pupil named, or else as the one who worked last on this
    // computer account, or else as the account's own.
    explicit WorkingWindow(QWidget* parent = nullptr, const QString& pupil = {});
    ~WorkingWindow() override;

    // Works on as another pupil, where that pupil left off.
    void setPupil(const QString& pupil);
    [[nodiscard]] QString pupil() const { return pupil_; }

    // Shows the product's working from its first step, or where the learner
    // left it.
    void showProduct(const ProductRecord& record);
    // Works a problem typed or given, which no list holds: a product, or a
    // long division by the rods.
    void showProblem(const Problem& problem);
    // Waits for a problem of the learner's own, with the operation chosen and
    // the rods' number given (or none), the cursor in the other number's box.
    void askForProblem(Operation operation, const QString& rods);
    // Opens a problem the program poses, in Work it yourself with every
    // answer hidden.
    void showPosed(const PosedProblem& posed);
    // Works a teacher's list in order, from its first problem.
    void useProblemList(const ProblemList& list, const QString& name);
    [[nodiscard]] ProblemPicker* picker() const { return picker_; }
    // Opens the pupil's progress.
    void showProgress();
    // Opens every pupil's figures side by side, made the first time.
    void showClass();
    [[nodiscard]] ClassWindow* classWindow() const { return classWindow_; }

    [[nodiscard]] int step() const { return lesson_.step(); }
    // 0 when the problem has no working.
    [[nodiscard]] int stepCount() const { return lesson_.stepCount(); }
    void goToStep(int step);

    // The whole working as plain text: the long multiplication, then one line
    // per step. While the learner works it, only the steps answered; nothing
    // before the first problem.
    [[nodiscard]] QString workingText() const;

    [[nodiscard]] bool practising() const;

    // Writes the whole working as a PDF, or the step shown as a PNG, by the
    // path's ending; says why not, or nothing.
    QString saveWorkingTo(const QString& path) const;
    // The dialog that makes worksheets, made afresh from the level, set and
    // list chosen whenever it is not open.
    WorksheetDialog* worksheetDialog();

    // How large the window's words, boxes and picture are: 1 as made.
    [[nodiscard]] double zoom() const;
    void setZoom(double zoom);

Q_SIGNALS:
    // A new step's number and words, as they went out to screen readers.
    void stepAnnounced(const QString& text);
    // A problem worked to the end in Work it yourself, as it was kept.
    void problemWorked(const rods::ProgressRecord& record);

private:
    // Shows a problem's working from its first step, or where the learner
    // left it.
    void open(Lesson lesson);
    // Puts the step the lesson is at on the screen; the lesson says what it
    // shows. Before the first problem, only what to do.
    void showStep();
    void announceStep();
    void checkAnswer(const QString& typed);
    void revealAnswer();
    void settle(const Lesson::Outcome& outcome);
    // Sets the zoom on the widgets, and fits the long working to it.
    void applyZoom();
    // Keeps where the pupil stands among the problems posed.
    void keepPlace();

    Lesson lesson_;
    bool hasProblem_ = false; // false until the first problem is opened
    KeptLessons keptLessons_;

    QString pupil_;
    bool resuming_ = false; // a pupil's place is being taken up, not changed
    bool placeRefused_ = false;
    std::unique_ptr<PupilKeeper> pupils_;
    PupilBar* pupilBar_;
    ClassWindow* classWindow_ = nullptr;
    ProblemPicker* picker_;
    ProblemLine* problemLine_;
    // Where the problem worked came from, when the program posed it.
    std::optional<PosedProblem> posed_;
    StepPane* pane_;
    AnswerPanel* answers_;
    StepButtons* buttons_;

    std::unique_ptr<WindowZoom> zoom_;
    std::unique_ptr<PaperMenu> paperMenu_;
    std::unique_ptr<ProgressKeeper> progress_;
};

} // namespace rods
