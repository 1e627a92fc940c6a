#pragma once

#include <string>

namespace rods {

// A decimal place named alone, as a label in the language chosen: "units",
// "tens", from place 0 (the units) up to the last place named. A place in a
// sentence is never this label dropped in: each sentence marks its own
// phrases whole ("in the tens place", "the tens column"), which other
// languages decline.
[[nodiscard]] std::string placeLabel(int place);

} // namespace rods
