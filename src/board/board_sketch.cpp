#include "board/board_sketch.h"

#include "board/geometry.h"
#include "board/index_rod.h"
#include "board/rod_digits.h"
#include "board/rod_outline.h"
#include "core/board_state.h"

namespace rods {

LabelControl& BoardSketch::label(LabelArray array, int index)
{
    const auto at = static_cast<std::size_t>(index);
    switch (array) {
    case LabelArray::Label1:
        return label1_.at(at);
    case LabelArray::Label2:
        return label2_.at(at);
    case LabelArray::Label4:
        break;
    }
    return label4_.at(at);
}

TextControl& BoardSketch::multiplierBox(int index) { return boxes_.at(static_cast<std::size_t>(index)); }

std::vector<const BoardSketch::Label*> BoardSketch::shownLabels() const
{
    std::vector<const Label*> shown;
    auto collect = [&shown](const auto& labels) {
        for (const Label& label : labels)
            if (!label.caption.empty())
                shown.push_back(&label);
    };
    collect(label1_);
    collect(label2_);
    collect(label4_);
    return shown;
}

void BoardSketch::Surface::line(float x1, float y1, float x2, float y2)
{
    x = x1;
    y = y1;
    lineTo(x2, y2);
}

void BoardSketch::Surface::lineTo(float x2, float y2)
{
    if (x2 != x || y2 != y)
        lines.push_back({x, y, x2, y2});
    x = x2;
    y = y2;
}

BoardSketch sketchRods(const BoardState& board)
{
    BoardSketch sketch;
    ShowRodDigits(board, sketch);
    for (int slot = 0; slot < board.RodCount(); ++slot)
        drawRodFrame(rodFrame(slot), true, sketch.surface());
    ShowIndexRod(board, sketch);
    return sketch;
}

} // namespace rods
