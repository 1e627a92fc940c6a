#include "core/text_encoding.h"

#include <array>
#include <cstdint>

namespace rods {
namespace {

bool isControl(unsigned char byte)
{
    return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7f;
}

// What Windows-1252 puts at 0x80 to 0x9f; 0 where it puts nothing.
constexpr std::array<char32_t, 32> From0x80{U'\u20ac', 0,         U'\u201a', U'\u0192', U'\u201e', U'\u2026', U'\u2020',
                                            U'\u2021', U'\u02c6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', 0,
                                            U'\u017d', 0,         0,         U'\u2018', U'\u2019', U'\u201c', U'\u201d',
                                            U'\u2022', U'\u2013', U'\u2014', U'\u02dc', U'\u2122', U'\u0161', U'\u203a',
                                            U'\u0153', 0,         U'\u017e', U'\u0178'};

void appendUtf8(std::string& text, char32_t code)
{
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xc0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3f));
    } else {
        // Every sign of Windows-1252 lies below 0x10000.
        text += static_cast<char>(0xe0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3f));
        text += static_cast<char>(0x80 | (code & 0x3f));
    }
}

} // namespace

bool isUtf8Text(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            if (isControl(lead))
                return false;
            ++i;
            continue;
        }
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead >= 0xc2 && lead <= 0xdf) {
            length = 2;
            code = lead & 0x1fu;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            length = 3;
            code = lead & 0x0fu;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            length = 4;
            code = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xc0u) != 0x80u)
                return false;
            code = (code << 6) | (next & 0x3fu);
        }
        const std::uint32_t least = length == 3 ? 0x800 : 0x10000;
        if ((length > 2 && code < least) || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
            return false;
        i += length;
    }
    return true;
}

std::optional<std::string> windows1252Text(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 4);
    for (const char each : bytes) {
        const auto byte = static_cast<unsigned char>(each);
        if (isControl(byte))
            return std::nullopt;
        const char32_t code = byte >= 0x80 && byte < 0xa0 ? From0x80[byte - 0x80] : char32_t(byte);
        if (code == 0)
            return std::nullopt;
        appendUtf8(text, code);
    }
    return text;
}

} // namespace rods
