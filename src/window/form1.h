#pragma once

#include "core/board_state.h"
#include "window/form_controls.h"

#include <QWidget>

namespace rods {

// The program's one window. It owns the board state and the controls; each
// button's click runs one event procedure to its end.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    [[nodiscard]] const BoardState& board() const { return board_; }
    [[nodiscard]] FormControls& controls() { return controls_; }

    void Form_Load();
    void Command1_Click(); // OK: places a rod
    void Command2_Click(); // Done when finished: index rod and digit boxes
    void Command3_Click(); // EXIT !
    void Command4_Click(); // GO: appends the product
    void Command5_Click(); // Clear

private:
    void showMessage(std::string_view message);
    void describeBoardChange();

    BoardState board_;
    FormControls controls_;
    // The row numbers stand in the index rod's slot until a new rod takes it.
    bool indexRodShown_ = false;
};

} // namespace rods
