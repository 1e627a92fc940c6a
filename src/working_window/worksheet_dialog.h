#pragma once

#include "tutor/problems/problem.h"
#include "tutor/problems/worksheet.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QSpinBox;

namespace rods {

// Asks what a worksheet holds (a level of × or ÷, or the teacher's list,
// how many problems and from which set) and makes it: saved as a PDF or
// printed, its answer key on the last page.
class WorksheetDialog : public QDialog {
    Q_OBJECT

public:
    // Starts from the choice and set given (a level box's choice), with the
    // teacher's list among the choices if there is one.
    WorksheetDialog(int choice, int set, const std::vector<Problem>& list, const QString& listName,
                    QWidget* parent = nullptr);

    void choose(int choice, int count, int set);
    [[nodiscard]] Worksheet worksheet() const;
    // Writes the worksheet as a PDF; says why not, or nothing.
    QString saveTo(const QString& path) const;

private:
    void describe();
    void save();
    void print();

    QComboBox* level_;
    QSpinBox* count_;
    QSpinBox* set_;
    QLabel* summary_;
    std::vector<Problem> list_;
    QString listName_;
};

} // namespace rods
