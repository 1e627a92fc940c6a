#pragma once

#include <string_view>

namespace rods {

// The signs of the working, in UTF-8: the multiplication sign U+00D7, the
// division sign U+00F7, the minus sign U+2212.
inline constexpr std::string_view Times = "\xc3\x97";
inline constexpr std::string_view DividedBy = "\xc3\xb7";
inline constexpr std::string_view Minus = "\xe2\x88\x92";

} // namespace rods
