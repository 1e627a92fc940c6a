#pragma once

#include "core/practice.h"
#include "core/working.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace rods {

class AnswerPanel;
class FixedText;
class RodsPicture;

// Shows how one product is read off the rods, one step per multiplicand digit
// from the units up and a last step that adds the rows: the rods with the row
// being read, the step in words, and the long multiplication so far. Where a
// product has no such reading, it says why in one sentence.
//
// With "Work it yourself" checked, the learner answers each step before its
// working is shown: a wrong answer gets a hint naming the first wrong diagonal
// or column, and the next step opens once a step is answered right or shown.
class WorkingWindow : public QWidget {
    Q_OBJECT

public:
    explicit WorkingWindow(QWidget* parent = nullptr);

    // Shows the product's working from its first step.
    void showProduct(const ProductRecord& record);

    [[nodiscard]] int step() const { return step_; }
    // 0 when the product has no reading.
    [[nodiscard]] int stepCount() const;
    void goToStep(int step);

    // The whole working as plain text: the long multiplication, then one line
    // per step. While the learner works it, only the steps answered.
    [[nodiscard]] QString workingText() const;

    [[nodiscard]] bool practising() const;

private:
    void showStep();
    void showAnswerPanel(std::size_t step, bool open);
    [[nodiscard]] QString stepText(int step) const;
    // How many steps the learner may see worked: all, or those answered.
    [[nodiscard]] int stepsRevealed() const;
    void startPractice();
    void checkAnswer(const QString& typed);
    void revealAnswer();
    void settleStep(const QString& verdict);

    ProductRecord record_;
    Working working_;
    int step_ = 0;

    RodsPicture* picture_;
    QLabel* counter_;
    FixedText* explanation_;
    QLabel* longMultiplication_;
    QPushButton* previous_;
    QPushButton* next_;
    QCheckBox* workYourself_;
    QLabel* tally_;
    AnswerPanel* answers_;

    Practice practice_;
    std::vector<QString> typed_;        // per step: what was typed, or the answer shown
    std::vector<QString> verdicts_;     // per step: the last hint, or the verdict once answered
    std::optional<std::size_t> marked_; // the diagonal the last hint points at
};

} // namespace rods
