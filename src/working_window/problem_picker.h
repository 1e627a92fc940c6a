#pragma once

#include "tutor/problems/problem_list.h"
#include "tutor/session/kept_place.h"
#include "tutor/session/problem_queue.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace rods {

// The row of the Working window where the program poses problems: a level
// (the levels of × and of ÷ in one list, and a teacher's list once one is
// opened) and a set number, "New problem", and where the last problem posed
// stands in its set or list. Opening a teacher's list starts here too. A
// list's end is said, and the list starts again only when the learner asks
// for its next problem once more.
class ProblemPicker : public QWidget {
    Q_OBJECT

public:
    explicit ProblemPicker(QWidget* parent = nullptr);

    // Chooses a level and set, as a learner would in the boxes.
    void chooseLevel(Operation operation, int level, int set);
    // Takes a teacher's list read from the named file, says what was loaded
    // (and which lines are not problems) and poses its first problem. A list
    // refused whole is said and changes nothing.
    void useList(const ProblemList& list, const QString& name);
    // Reads the file and uses it as above.
    void openList(const QString& path);
    // Poses the next problem.
    void poseNext();
    // Marks the problem posed last as worked to the end.
    void finish();

    // Where the learner stands, to keep between starts (without the pupil),
    // and back: a problem left open is posed again.
    [[nodiscard]] KeptPlace place() const;
    void resume(const KeptPlace& place);

    // Says something about the problems or the progress, until the next
    // problem is posed.
    void say(const QString& message);
    [[nodiscard]] QString message() const;
    [[nodiscard]] QString position() const;
    // What the boxes hold: the level chosen (or ListChoice), the set, and the
    // teacher's list with its name, if one is open.
    [[nodiscard]] int choice() const;
    [[nodiscard]] int set() const;
    [[nodiscard]] const std::vector<Problem>& list() const { return list_; }
    [[nodiscard]] const QString& listName() const { return listName_; }

Q_SIGNALS:
    void posed(const rods::PosedProblem& problem);
    // The level, the set, the list or the problem posed changed.
    void placeChanged();

private:
    void chooseFromBoxes();
    void addListChoice(const QString& name, std::size_t count);

    QComboBox* level_;
    QSpinBox* set_;
    QPushButton* newProblem_;
    QLabel* position_;
    QPushButton* openList_;
    QLabel* message_;

    ProblemQueue queue_;
    std::vector<Problem> list_;
    QString listName_;
    std::size_t posed_ = 0; // the number of the problem posed last, 0 before one
    bool finished_ = false;
    bool listEndSaid_ = false;
};

} // namespace rods
