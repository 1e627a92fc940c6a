#pragma once

#include <string>
#include <string_view>

namespace rods {

// The text with every digit written 0 to 9: Arabic-Indic (٠ to ٩), Persian
// (۰ to ۹) and full-width (０ to ９) digits, which a pupil's keyboard may
// type, read as the same digits. Anything else stays as it is. UTF-8 in
// and out.
[[nodiscard]] std::string withLatinDigits(std::string_view text);

} // namespace rods
