#include "core/digits.h"

#include <algorithm>
#include <array>

namespace rods {
namespace {

// The zero of every script's decimal digits in Unicode (general category
// Nd, 15.0): each is followed by its digits one to nine, so a digit's value
// is its distance from the zero before it.
constexpr std::array<char32_t, 66> Zeros{
    0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,  0x0BE6,  0x0C66,  0x0CE6,
    0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,  0x1090,  0x17E0,  0x1810,  0x1946,  0x19D0,
    0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,  0xA8D0,  0xA900,  0xA9D0,  0xA9F0,
    0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066, 0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450,
    0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0, 0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60,
    0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E950, 0x1FBF0,
};

// The code point `text` starts with in UTF-8 and its length in bytes, or
// nothing (a length of 0) where the bytes are not UTF-8.
std::pair<char32_t, std::size_t> codePointAt(std::string_view text)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(0);
    std::size_t length = first < 0x80           ? 1
                         : (first >> 5) == 0x6  ? 2
                         : (first >> 4) == 0xE  ? 3
                         : (first >> 3) == 0x1E ? 4
                                                : 0;
    if (length == 0 || length > text.size())
        return {0, 0};
    char32_t point = length == 1 ? char32_t{first} : char32_t{first} & (char32_t{0x7F} >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {0, 0};
        point = (point << 6) | static_cast<char32_t>(byte(i) & 0x3Fu);
    }
    return {point, length};
}

// The value 0 to 9 of a decimal digit of any script, or -1.
int digitValue(char32_t point)
{
    const auto* zero = std::upper_bound(Zeros.begin(), Zeros.end(), point);
    if (zero == Zeros.begin())
        return -1;
    const char32_t distance = point - *(zero - 1);
    return distance <= 9 ? static_cast<int>(distance) : -1;
}

} // namespace

std::string withLatinDigits(std::string_view text)
{
    std::string latin;
    latin.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto [point, length] = codePointAt(text.substr(i));
        const int digit = length > 1 ? digitValue(point) : -1;
        if (digit >= 0) {
            latin += static_cast<char>('0' + digit);
            i += length;
        } else {
            latin += text[i++];
        }
    }
    return latin;
}

} // namespace rods
