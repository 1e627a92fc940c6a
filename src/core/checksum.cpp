#include "core/checksum.h"

#include <cstdint>

namespace rods {

std::string checksumOf(std::string_view text)
{
    std::uint32_t hash = 2166136261u;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex(8, '0');
    for (int i = 7; i >= 0; --i, hash >>= 4)
        hex[static_cast<std::size_t>(i)] = Digits[hash & 0xfu];
    return hex;
}

} // namespace rods
