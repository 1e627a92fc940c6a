#include "tutor/pupils/pupil_name.h"

#include "core/words.h"
#include "tutor/exercise/sentence.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace rods {
namespace {

constexpr std::size_t ReadablePart = 40; // bytes of the name kept in a folder's name

// The code points of UTF-8 text, or none when it is not UTF-8: a byte out of
// place, a sequence cut short or too long, a surrogate.
std::optional<std::vector<char32_t>> codePoints(std::string_view text)
{
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xe  ? 3
                                   : (lead >> 3) == 0x1e ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size())
            return std::nullopt;
        char32_t point = length == 1 ? lead : lead & (0x7fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xc0) != 0x80)
                return std::nullopt;
            point = (point << 6) | (next & 0x3fu);
        }
        constexpr char32_t Least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < Least[length] || point > 0x10ffff || (point >= 0xd800 && point <= 0xdfff))
            return std::nullopt;
        points.push_back(point);
        i += length;
    }
    return points;
}

// Line breaks, tabs and the other controls, and the separators of lines and
// paragraphs: none belongs in a name, and each would spoil a line of a file.
bool control(char32_t point)
{
    return point < 0x20 || (point >= 0x7f && point <= 0x9f) || point == 0x2028 || point == 0x2029;
}

std::uint64_t mark(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037u; // FNV-1a, 64 bits
    for (char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211u;
    }
    return hash;
}

bool asciiLetterOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

} // namespace

CheckedName checkedPupilName(std::string_view typed)
{
    CheckedName checked;
    while (!typed.empty() && typed.front() == ' ')
        typed.remove_prefix(1);
    while (!typed.empty() && typed.back() == ' ')
        typed.remove_suffix(1);
    const std::optional<std::vector<char32_t>> points = codePoints(typed);
    if (typed.empty()) {
        checked.refusal = translated("PupilName", "Type a name: it cannot be empty.");
    } else if (!points) {
        checked.refusal = translated("PupilName", "This name holds characters that are not readable text.");
    } else if (points->size() > LongestPupilName) {
        // TRANSLATORS: %1 is the most characters a name can have (100), %2 how many the name typed has.
        checked.refusal = sentence(translated("PupilName", "A name can have at most %1 characters; this one has %2."),
                                   {std::to_string(LongestPupilName), std::to_string(points->size())});
    } else {
        for (char32_t point : *points)
            if (control(point))
                checked.refusal =
                    translated("PupilName", "A name cannot hold a line break, a tab or another control character.");
    }
    if (checked.refusal.empty())
        checked.name = std::string(typed);
    return checked;
}

std::string pupilFolderName(std::string_view name)
{
    std::string readable;
    for (std::size_t i = 0; i < name.size();) {
        const auto lead = static_cast<unsigned char>(name[i]);
        // Letters of other scripts come whole, as their UTF-8 bytes; none of
        // them is a slash or a dot.
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xe ? 3 : 4;
        if (readable.size() + length > ReadablePart || i + length > name.size())
            break;
        if (length > 1 && lead >= 0xc2)
            readable.append(name.substr(i, length));
        else
            readable += asciiLetterOrDigit(name[i]) ? name[i] : '_';
        i += length;
    }
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex(16, '0');
    std::uint64_t value = mark(name);
    for (int i = 15; i >= 0; --i, value >>= 4)
        hex[static_cast<std::size_t>(i)] = Digits[value & 0xfu];
    return readable.empty() ? hex : readable + "-" + hex;
}

std::string accountPupilName()
{
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
        const std::string_view comment = found->pw_gecos ? found->pw_gecos : "";
        const CheckedName full = checkedPupilName(comment.substr(0, comment.find(',')));
        if (full.refusal.empty())
            return full.name;
        if (const CheckedName login = checkedPupilName(found->pw_name ? found->pw_name : ""); login.refusal.empty())
            return login.name;
    }
    if (const char* user = std::getenv("USER"))
        if (const CheckedName login = checkedPupilName(user); login.refusal.empty())
            return login.name;
    // A name, not a word to translate: a pupil's folder is named from it,
    // and must stay the same in every language the program speaks.
    return "Pupil";
}

} // namespace rods
