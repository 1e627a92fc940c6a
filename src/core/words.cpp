#include "core/words.h"

#include <utility>

namespace rods {
namespace {

// Set once at start, before any window and while no other thread runs, and
// only read afterwards.
std::shared_ptr<const WordLookup>& lookup()
{
    static std::shared_ptr<const WordLookup> installed;
    return installed;
}

std::string withCount(std::string text, long long count)
{
    const std::string number = std::to_string(count);
    for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at + number.size()))
        text.replace(at, 2, number);
    return text;
}

} // namespace

void installWordLookup(std::shared_ptr<const WordLookup> installed) { lookup() = std::move(installed); }

std::string translated(const char* context, const char* text)
{
    if (const auto& words = lookup())
        if (std::optional<std::string> found = words->find(context, text))
            return *found;
    return text;
}

std::string translated(const MarkedText& text) { return translated(text.context, text.text); }

std::string translatedCount(const char* context, const char* singular, const char* plural, long long count)
{
    if (const auto& words = lookup())
        if (std::optional<std::string> found = words->findCounted(context, singular, count))
            return withCount(*found, count);
    return withCount(count == 1 ? singular : plural, count);
}

std::string figures(std::string_view text)
{
    if (!lookup() || !lookup()->rightToLeft())
        return std::string(text);
    // U+2066 LEFT-TO-RIGHT ISOLATE ... U+2069 POP DIRECTIONAL ISOLATE
    return "\u2066" + std::string(text) + "\u2069";
}

std::string groupedNumber(unsigned long long number)
{
    const std::string separator = lookup() ? lookup()->groupSeparator() : std::string(",");
    const std::string digits = std::to_string(number);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += digits[i];
    }
    return text;
}

} // namespace rods
