#include "board/board_description.h"

#include "core/board_state.h"
#include "core/numbers.h"
#include "core/words.h"

#include <initializer_list>
#include <string_view>

namespace rods {
namespace {

// A marked text with %1, %2 … put in, each where the language has it; what
// is put in is not searched again.
std::string fill(std::string_view text, std::initializer_list<std::string_view> values)
{
    std::string filled;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t index = at + 1 < text.size() ? static_cast<std::size_t>(text[at + 1] - '1') : values.size();
        if (text[at] == '%' && index < values.size()) {
            filled += values.begin()[index];
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

} // namespace

std::string describeBoard(const BoardState& board, bool indexRodShown)
{
    const int rodCount = board.RodCount();
    std::string text;
    if (rodCount == 0) {
        text = translated("BoardDescription", "No rods on the board.");
    } else {
        std::string multiplicator;
        std::string rods;
        for (int rod = 1; rod <= rodCount; ++rod) {
            multiplicator += integerToText(board.digit(rod));
            // TRANSLATORS: one rod on the board: %1 is its place from the
            // left, %2 the digit at its top.
            const std::string one = fill(translated("BoardDescription", "rod %1, digit %2"),
                                         {integerToText(rod), integerToText(board.digit(rod))});
            // TRANSLATORS: joins the rods on the board: %1 those before, %2
            // the next, such as "rod 1, digit 3; rod 2, digit 0".
            rods = rod == 1 ? one : fill(translated("BoardDescription", "%1; %2"), {rods, one});
        }
        // TRANSLATORS: %n is how many rods are on the board, %1 the
        // multiplicator their digits make, such as 307, %2 the rods in turn.
        text = fill(translatedCount("BoardDescription", "%n rod, multiplicator %1: %2.",
                                    "%n rods, multiplicator %1: %2.", rodCount),
                    {multiplicator, rods});
    }
    if (indexRodShown)
        text +=
            " "
            + translated("BoardDescription", "The index rod with the row numbers 1 to 9 stands right of the last rod.");
    return text;
}

} // namespace rods
