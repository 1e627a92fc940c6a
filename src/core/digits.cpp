#include "core/digits.h"

#include <array>

namespace rods {
namespace {

// The UTF-8 of each script's zero; its nine other digits follow it in the
// last byte, with no carry into the byte before (0xA0 + 9, 0xB0 + 9,
// 0x90 + 9 all stay below 0xC0).
struct DigitScript {
    std::array<unsigned char, 3> zero;
    std::size_t length;
};
constexpr std::array<DigitScript, 3> Scripts{{
    {{0xD9, 0xA0, 0}, 2},    // U+0660 ARABIC-INDIC DIGIT ZERO
    {{0xDB, 0xB0, 0}, 2},    // U+06F0 EXTENDED ARABIC-INDIC (Persian) DIGIT ZERO
    {{0xEF, 0xBC, 0x90}, 3}, // U+FF10 FULLWIDTH DIGIT ZERO
}};

// The digit 0 to 9 that `text` starts with in one of the scripts, and its
// length in bytes; or -1.
std::pair<int, std::size_t> digitAt(std::string_view text)
{
    for (const DigitScript& script : Scripts) {
        if (text.size() < script.length)
            continue;
        bool same = true;
        for (std::size_t i = 0; i + 1 < script.length; ++i)
            same = same && static_cast<unsigned char>(text[i]) == script.zero[i];
        const int last = static_cast<unsigned char>(text[script.length - 1]) - script.zero[script.length - 1];
        if (same && last >= 0 && last <= 9)
            return {last, script.length};
    }
    return {-1, 0};
}

} // namespace

std::string withLatinDigits(std::string_view text)
{
    std::string latin;
    latin.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto [digit, length] = digitAt(text.substr(i));
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
