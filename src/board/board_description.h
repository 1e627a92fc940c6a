#pragma once

#include <string>

namespace rods {

class BoardState;

// The board in words, for screen readers: how many rods, the multiplicator
// they make, each rod's digit, and whether the index rod stands beside them.
[[nodiscard]] std::string describeBoard(const BoardState& board, bool indexRodShown);

} // namespace rods
