#pragma once

#include "core/board_state.h"
#include "tutor/problems/problem.h"
#include "window/form_controls.h"

#include <QWidget>

#include <memory>

class QAction;
class QMenu;

namespace rods {

class ProductList;
class WorkingWindow;
struct ProblemList;
struct ProductRecord;

// The program's one window. It owns the board state and the controls; each
// button's click runs one event procedure to its end.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    [[nodiscard]] const BoardState& board() const { return board_; }
    [[nodiscard]] FormControls& controls() { return controls_; }

    void Form_Load();
    void Command1_Click(); // OK: places a rod
    void Command2_Click(); // Done when finished: index rod and digit boxes
    void Command3_Click(); // EXIT !
    void Command4_Click(); // GO: appends the product
    void Command5_Click(); // Clear

    // Opens the one Working window, made on first use, on this product.
    void showWorking(const ProductRecord& record);
    // Opens it on a problem that no list holds.
    void workProblem(const Problem& problem);
    // Opens the Working window on a teacher's list, at its first problem.
    void workProblemList(const ProblemList& list, const QString& name);
    // The pupil the Working window starts as, once it is opened; none for
    // the one who worked last.
    void startAs(const QString& pupil) { pupil_ = pupil; }
    // Opens it for a problem of the learner's own: the operation chosen, the
    // rods' number given (or none).
    void askForProblem(Operation operation, const QString& rods);
    // The Working window, once it has been opened.
    [[nodiscard]] WorkingWindow* workingWindow() const { return working_.get(); }

private:
    WorkingWindow& openWorking();
    void showBoardMenu(const QPoint& position);
    void showMessage(std::string_view message);
    void describeBoardChange();

    BoardState board_;
    FormControls controls_;
    // The row numbers stand in the index rod's slot until a new rod takes it.
    bool indexRodShown_ = false;
    ProductList* products_;
    // A window of its own, not a child: the main window's focus chain stays
    // as the layout fixes it.
    std::unique_ptr<WorkingWindow> working_;
    QString pupil_;
    QMenu* boardMenu_ = nullptr; // made on first use
    QAction* divide_ = nullptr;
};

} // namespace rods
