#include "tutor/exercise/sentence.h"

#include "core/words.h"

#include <vector>

namespace rods {
namespace {

// A number or a sum: digits, with nothing but blanks, signs and the marks
// between groups of digits besides ("5 + 5 + 1 = 11", "98 − 43", "1,000").
bool isFigures(std::string_view value)
{
    static constexpr std::string_view Signs[] = {"\u2212", "\u00d7", "\u00f7", "\u202f"}; // − × ÷, narrow space
    bool digit = false;
    for (std::size_t i = 0; i < value.size();) {
        bool sign = false;
        for (std::string_view each : Signs)
            if (value.substr(i, each.size()) == each) {
                i += each.size();
                sign = true;
                break;
            }
        if (sign)
            continue;
        const char c = value[i++];
        if (c >= '0' && c <= '9')
            digit = true;
        else if (std::string_view(" +-=,.:()").find(c) == std::string_view::npos)
            return false;
    }
    return digit;
}

} // namespace

std::string sentence(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    const std::vector<std::string_view> values(arguments);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < values.size()) {
                // A number or a sum reads left to right in any sentence.
                const std::string_view value = values[index];
                text += isFigures(value) ? figures(value) : std::string(value);
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

std::string counted(std::size_t count, std::string_view one, std::string_view many)
{
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string listed(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i == 0)
            text = items[i];
        else if (i + 1 < items.size())
            // TRANSLATORS: the items of a list so far, then one more: "1, 6".
            text = sentence(translated("List", "%1, %2"), {text, items[i]});
        else
            // TRANSLATORS: the items of a list so far, then the last one: "1, 6 and 7".
            text = sentence(translated("List", "%1 and %2"), {text, items[i]});
    }
    return text;
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : std::string(separator)) + part;
    return text;
}

} // namespace rods
