#pragma once

#include <string>
#include <string_view>

namespace rods {

// The text with every decimal digit of any script written 0 to 9: the
// Arabic-Indic (٠ to ٩), Persian (۰ to ۹), Devanagari or full-width
// (０ to ９) digits a pupil's keyboard may type are the same digits. Anything
// else stays as it is. UTF-8 in and out.
[[nodiscard]] std::string withLatinDigits(std::string_view text);

} // namespace rods
