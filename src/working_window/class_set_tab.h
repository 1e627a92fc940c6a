#pragma once

#include "paper/class_table_paper.h"
#include "tutor/classroom/class_overview.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QSpinBox;

namespace rods {

class ClassTableView;

// Who worked one set of a level, and how: the level and set chosen in their
// boxes, and a row per pupil who worked or skipped a problem of it, with only
// that set's records counted. Until the teacher chooses, it shows the set
// worked last.
class ClassSetTab : public QWidget {
    Q_OBJECT

public:
    explicit ClassSetTab(QWidget* parent = nullptr);

    // Shows the set chosen as these files have it, and keeps them for the
    // next choice.
    void setFiles(std::vector<PupilFile> files);

    [[nodiscard]] ClassTableView* table() const { return table_; }
    // The table as shown, on paper, titled with its level and set.
    [[nodiscard]] ClassTable paper() const;

Q_SIGNALS:
    void rowsChanged();

private:
    void chooseNewestSet();
    void showSet();

    std::vector<PupilFile> files_;
    bool chosen_ = false;
    QComboBox* level_;
    QSpinBox* set_;
    ClassTableView* table_;
};

} // namespace rods
