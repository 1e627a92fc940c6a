#include "board/board_description.h"

#include "core/board_state.h"
#include "core/numbers.h"

namespace rods {

std::string describeBoard(const BoardState& board, bool indexRodShown)
{
    const int rodCount = board.RodCount();
    std::string text;
    if (rodCount == 0) {
        text = "No rods on the board.";
    } else {
        std::string multiplicator;
        for (int rod = 1; rod <= rodCount; ++rod)
            multiplicator += integerToText(board.digit(rod));
        text = integerToText(rodCount) + (rodCount == 1 ? " rod" : " rods") + ", multiplicator " + multiplicator + ": ";
        for (int rod = 1; rod <= rodCount; ++rod)
            text += (rod > 1 ? "; rod " : "rod ") + integerToText(rod) + ", digit " + integerToText(board.digit(rod));
        text += '.';
    }
    if (indexRodShown)
        text += " The index rod with the row numbers 1 to 9 stands right of the last rod.";
    return text;
}

} // namespace rods
