#pragma once

#include <string_view>

namespace rods {

// The names of the decimal places, from the units up: "units", "tens", ...,
// "hundred-sextillions", enough for eight rods times fifteen digits. Place 0
// is the units.
inline constexpr int NamedPlaces = 24;

[[nodiscard]] std::string_view placeName(int place);

} // namespace rods
