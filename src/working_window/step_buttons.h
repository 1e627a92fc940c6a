#pragma once

#include "tutor/exercise/step_view.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace rods {

// The row under a step: Work it yourself, the step's number, the tally of
// answers right at the first try, Previous and Next, and the button of the
// paper menu. It shows a step's view as it is given; the window connects its
// buttons.
class StepButtons : public QWidget {
    Q_OBJECT

public:
    explicit StepButtons(QWidget* parent);

    void show(const StepView& view);
    // Moves the focus on to Next, or else back to Previous; false when
    // neither can be pressed.
    bool focusOnwards();

    [[nodiscard]] QString counter() const;
    [[nodiscard]] QCheckBox* workYourself() const { return workYourself_; }
    [[nodiscard]] QPushButton* previous() const { return previous_; }
    [[nodiscard]] QPushButton* next() const { return next_; }
    [[nodiscard]] QToolButton* paper() const { return paper_; }

private:
    QCheckBox* workYourself_;
    QLabel* counter_;
    QLabel* tally_;
    QPushButton* previous_;
    QPushButton* next_;
    QToolButton* paper_;
};

} // namespace rods
