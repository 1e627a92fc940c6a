#pragma once

#include <string>
#include <string_view>

namespace rods {

// A line's checksum as 8 hex digits (FNV-1a, 32 bits): enough to tell a line
// damaged by a crash or an editor from a whole one, which is all the files a
// pupil keeps ask of it.
[[nodiscard]] std::string checksumOf(std::string_view text);

} // namespace rods
