#pragma once

#include <cstddef>
#include <string>

namespace rods {

// How a sentence uses a column of a division's subtraction, so that each
// column is named whole in the form its role takes ("die Zehnerspalte", "aus
// der Zehnerspalte"), never a place dropped into "the %1 column".
enum class ColumnRole {
    Label,   // before its working: "tens: 13 − 5 = 8"
    Opening, // starting a sentence: "The tens column"
    From,    // after "from": "the tens column"
};

// The column of that place (0 the units) in that role. A division's part is
// less than ten times the divisor, so at most 9 digits: places 0 to 8.
[[nodiscard]] std::string columnName(std::size_t place, ColumnRole role);

} // namespace rods
