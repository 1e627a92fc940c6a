#include "board/index_rod.h"

#include "board/controls.h"
#include "board/geometry.h"
#include "board/rod_outline.h"
#include "core/board_state.h"
#include "core/numbers.h"

namespace rods {
namespace {

constexpr int NumberPoints = 18;
constexpr int MultiplierBoxes = 10;

} // namespace

void ShowIndexRod(const BoardState& board, BoardControls& controls)
{
    const int rodCount = board.RodCount();
    const RodFrame frame = rodFrame(rodCount);
    for (int row = 1; row <= 9; ++row) {
        LabelControl& number = controls.label(LabelArray::Label4, row);
        number.setTop(RowHeight * row + 300);
        number.setLeft(frame.left + 400);
        number.setAutoSize(true);
        number.setBold(true);
        number.setFontSize(NumberPoints);
        number.setCaption(integerToText(row));
    }

    drawRodFrame(frame, false, controls.surface());

    for (int rod = rodCount; rod >= 1; --rod)
        controls.multiplierBox(rod - rodCount + MultiplierBoxes - 1).setText(integerToText(board.digit(rod)));
    for (int box = 0; box < MultiplierBoxes - rodCount; ++box)
        controls.multiplierBox(box).setText("");
}

void clearIndexNumbers(BoardControls& controls, int last)
{
    for (int i = 1; i <= last; ++i)
        controls.label(LabelArray::Label4, i).setCaption("");
}

} // namespace rods
