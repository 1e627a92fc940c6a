#pragma once

#include "core/working.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace rods {

class RodsPicture;

// Shows how one product is read off the rods, one step per multiplicand digit
// from the units up and a last step that adds the rows: the rods with the row
// being read, the step in words, and the long multiplication so far. Where a
// product has no such reading, it says why in one sentence.
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
    // per step.
    [[nodiscard]] QString workingText() const;

private:
    void showStep();
    [[nodiscard]] QString stepText(int step) const;

    ProductRecord record_;
    Working working_;
    int step_ = 0;

    RodsPicture* picture_;
    QLabel* counter_;
    QPlainTextEdit* explanation_;
    QLabel* longMultiplication_;
    QPushButton* previous_;
    QPushButton* next_;
};

} // namespace rods
