#include "tutor/exercise/sentence.h"

#include "core/words.h"

#include <vector>

namespace rods {

std::string sentence(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    const std::vector<std::string_view> values(arguments);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '1');
            if (index < values.size()) {
                text += values[index];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    // Numbers and sums read left to right in any sentence.
    return withFiguresApart(text);
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
