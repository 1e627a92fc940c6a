#include "board/rod_digits.h"

#include "board/controls.h"
#include "board/geometry.h"
#include "core/board_state.h"
#include "core/numbers.h"

namespace rods {
namespace {

constexpr int DigitPoints = 14;

void showCellDigit(LabelControl& label, int top, int left, int value)
{
    label.setTop(top);
    label.setLeft(left);
    label.setAutoSize(true);
    label.setFontSize(DigitPoints);
    label.setBold(true);
    label.setBackColor(SystemColor::WindowBackground);
    label.setCaption(integerToText(value));
}

} // namespace

void ShowRodDigits(const BoardState& board, BoardControls& controls)
{
    const RodTable& table = board.table();
    for (int slot = 0; slot < board.RodCount(); ++slot) {
        const int rod = slot + 1;
        const int left = RodPitch * slot;

        // The header keeps the background the window gave it.
        LabelControl& header = controls.label(LabelArray::Label1, 10 * slot);
        header.setTop(330);
        header.setLeft(left + 500);
        header.setAutoSize(true);
        header.setBold(true);
        header.setFontSize(DigitPoints);
        header.setCaption(integerToText(table.at(rod, 1, Plane::Digit)));

        for (int row = 1; row <= 9; ++row)
            showCellDigit(controls.label(LabelArray::Label1, 10 * slot + 10 + row), RowHeight * row + 420, left + 650,
                          table.at(rod, row, Plane::Units));
        for (int row = 1; row <= 9; ++row)
            showCellDigit(controls.label(LabelArray::Label2, 10 * slot + row), RowHeight * row + 220, left + 230,
                          table.at(rod, row, Plane::Tens));
    }
}

void clearRodDigits(BoardControls& controls)
{
    for (int i = 0; i <= 89; ++i)
        controls.label(LabelArray::Label1, i).setCaption("");
    for (int i = 0; i <= 90; ++i)
        controls.label(LabelArray::Label2, i).setCaption("");
}

} // namespace rods
