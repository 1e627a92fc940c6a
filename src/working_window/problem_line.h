#pragma once

#include "tutor/problems/problem.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rods {

// The line at the top of the Working window that shows the problem worked
// and takes another: the first number, the operation (× or ÷) and the second
// number, then Work (or Enter in a box). For ×, the multiplier (the rods) and
// the multiplicand; for ÷, the dividend and the divisor (the rods). A problem
// that cannot be read is refused with a message beside it and nothing else
// changes.
class ProblemLine : public QWidget {
    Q_OBJECT

public:
    explicit ProblemLine(QWidget* parent = nullptr);

    // Shows a problem in the boxes, or the numbers as given.
    void showProblem(const Problem& problem);
    void showNumbers(Operation operation, const QString& first, const QString& second);
    // Starts the learner on a problem of their own: the operation chosen,
    // the rods' number given, the cursor in the other number's box.
    void askFor(Operation operation, const QString& rods);

    [[nodiscard]] QString message() const;

Q_SIGNALS:
    void problemRequested(const rods::Problem& problem);

private:
    void setOperation(Operation operation);
    void request();
    void say(const QString& message);
    [[nodiscard]] Operation operation() const;
    [[nodiscard]] QLineEdit* otherBox() const;

    QLineEdit* first_;
    QComboBox* operation_;
    QLineEdit* second_;
    QPushButton* work_;
    QLabel* message_;
};

} // namespace rods
