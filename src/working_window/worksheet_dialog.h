#pragma once

#include "paper/paper_files.h"
#include "tutor/problems/problem.h"
#include "tutor/problems/worksheet.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace rods {

// Asks what a worksheet holds (a level of × or ÷, both mixed, or the
// teacher's list, how many problems and from which set) and how it is set
// out (a title line of the teacher's, the rods or not, squares or a lattice
// to work in, an answer key or not) and makes it: saved as a PDF or
// printed, its answer key on the last pages.
class WorksheetDialog : public QDialog {
    Q_OBJECT

public:
    // Starts from the choice and set given (a level box's choice), with the
    // teacher's list among the choices if there is one.
    WorksheetDialog(int choice, int set, const std::vector<Problem>& list, const QString& listName,
                    QWidget* parent = nullptr);

    void choose(int choice, int count, int set);
    [[nodiscard]] Worksheet worksheet() const;
    [[nodiscard]] WorksheetLook look() const;
    // Writes the worksheet as a PDF; says why not, or nothing.
    QString saveTo(const QString& path) const;

private:
    void describe();
    void save();
    void print();

    QComboBox* level_;
    QSpinBox* count_;
    QSpinBox* set_;
    QLineEdit* title_;
    QCheckBox* mixed_;
    QCheckBox* rods_;
    QComboBox* room_;
    QCheckBox* key_;
    QLabel* summary_;
    std::vector<Problem> list_;
    QString listName_;
};

} // namespace rods
