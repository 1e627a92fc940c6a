#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rods {

// Whether the bytes are UTF-8 text: well-formed sequences (no overlongs or
// surrogates) and no control characters but tab, CR and LF.
[[nodiscard]] bool isUtf8Text(std::string_view bytes);

// The bytes read as Windows-1252, as UTF-8; nothing where a byte is a control
// character (but tab, CR and LF) or one that Windows-1252 leaves undefined.
// Windows-1252 is Latin-1 with printable signs in place of Latin-1's unused
// controls 0x80 to 0x9f, so a Latin-1 text reads the same.
[[nodiscard]] std::optional<std::string> windows1252Text(std::string_view bytes);

} // namespace rods
