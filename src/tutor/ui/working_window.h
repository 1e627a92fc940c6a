#pragma once

#include "tutor/division.h"
#include "tutor/division_practice.h"
#include "tutor/practice.h"
#include "tutor/problem.h"
#include "tutor/problem_list.h"
#include "tutor/problem_queue.h"
#include "tutor/progress_file.h"
#include "tutor/working.h"

#include <QFont>
#include <QWidget>

#include <map>

class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace rods {

enum class Total;
class AnswerPanel;
class ColumnLines;
class ColumnMarks;
class ProblemLine;
class ProblemPicker;
class ProgressWindow;
class FixedText;
class RodsPicture;

// Shows how one product is read off the rods, one step per multiplicand digit
// from the units up and, where two or more rows are not 0, a last step that
// adds them: the rods with the row being read (or, at the adding step, its
// columns one line each), the step in words, and the long multiplication so
// far. Where a product has no such reading, it says why in one sentence.
//
// With "Work it yourself" checked, the learner answers each step before its
// working is shown: a wrong answer gets a hint naming the first wrong diagonal
// or column, and the next step opens once a step is answered right or shown.
// A product worked in part is taken up again where it was left, while the
// program runs.
class WorkingWindow : public QWidget {
    Q_OBJECT

public:
    explicit WorkingWindow(QWidget* parent = nullptr);

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
    // Opens the learner's progress.
    void showProgress();

    [[nodiscard]] int step() const { return step_; }
    // 0 when the product has no reading.
    [[nodiscard]] int stepCount() const;
    void goToStep(int step);

    // The whole working as plain text: the long multiplication, then one line
    // per step. While the learner works it, only the steps answered.
    [[nodiscard]] QString workingText() const;

    [[nodiscard]] bool practising() const;

    // How large the window's words, boxes and picture are: 1 as made.
    [[nodiscard]] double zoom() const { return zoom_; }
    void setZoom(double zoom);

Q_SIGNALS:
    // A new step's number and words, as they went out to screen readers.
    void stepAnnounced(const QString& text);
    // A problem worked to the end in Work it yourself, as it was kept.
    void problemWorked(const rods::ProgressRecord& record);

private:
    // What a learner has done in one product's working.
    struct Session {
        Practice practice;
        std::vector<QString> typed;        // per step: what was typed, or the answer shown
        std::vector<QString> verdicts;     // per step: the last hint, or the verdict once answered
        std::optional<std::size_t> marked; // the diagonal or column the last hint points at
        int step = 0;
    };

    void showStep();
    void announceStep();
    void showAnswerPanel(std::size_t step, bool open);
    void showLongMultiplication(std::size_t rowsShown, Total total, std::optional<std::size_t> markedColumn);
    [[nodiscard]] QString stepText(int step) const;
    // How many steps the learner may see worked: all, or those answered.
    [[nodiscard]] int stepsRevealed() const;
    void startPractice();
    void checkAnswer(const QString& typed);
    void revealAnswer();
    void settleStep(const QString& verdict);
    void applyZoom();
    void keepWorkInPart();
    void showDivisionStep();
    [[nodiscard]] QString divisionStepText(int step) const;
    // In a division worked by the learner: the question open at the step
    // shown, if any, and the last step the learner may go to.
    [[nodiscard]] std::optional<std::size_t> openDivisionQuestion() const;
    [[nodiscard]] int lastReachableStep() const;
    void checkDivisionAnswer(const QString& typed);
    void revealDivisionAnswer();
    void settleDivisionAnswer(std::size_t question, const QString& verdict);
    // Keeps the record of a problem just worked to the end.
    void keepProgress();
    [[nodiscard]] ProgressFile progressFile() const;

    ProductRecord record_;
    std::string key_; // the product, as the sessions know it
    Working working_;
    int step_ = 0;

    // A long division worked instead of a product, and its rods: with none,
    // the rods make 0.
    std::optional<Division> division_;
    std::optional<Problem> divisionProblem_;
    DivisionPractice divisionPractice_;
    std::vector<QString> divisionTyped_;    // per question: what was typed, or the answer shown
    std::vector<QString> divisionVerdicts_; // per question: the last hint, or the verdict
    std::optional<int> divisionMarked_;     // the row the last hint speaks of

    // The row that poses problems comes first, above the problem line, in
    // the tab order as on the screen.
    ProblemPicker* picker_;
    ProblemLine* problemLine_;
    ProgressWindow* progressWindow_ = nullptr; // made when first asked for
    // Where the problem worked came from, when the program posed it.
    std::optional<PosedProblem> posed_;
    bool progressRefused_ = false; // the data folder cannot be written
    QStackedWidget* view_;         // the picture, or at the adding step its columns
    RodsPicture* picture_;
    ColumnLines* columns_;
    QLabel* counter_;
    FixedText* explanation_;
    ColumnMarks* longMultiplication_;
    QPushButton* previous_;
    QPushButton* next_;
    QCheckBox* workYourself_;
    QLabel* tally_;
    AnswerPanel* answers_;

    Session session_;
    // Products worked in part, taken up again when they are opened.
    std::map<std::string, Session> sessions_;

    double zoom_ = 1.0;
    QFont baseFont_;
};

} // namespace rods
