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

namespace {

constexpr std::string_view Isolate = "\u2066";
constexpr std::string_view PopIsolate = "\u2069";

// The length of the sign or digit of a stretch of figures that `text`
// starts with, or 0: digits, blanks, + − × ÷ =, and the marks inside and
// between numbers (, . : ( ) and the narrow space between groups).
std::size_t figureAt(std::string_view text)
{
    static constexpr std::string_view Signs[] = {"\u2212", "\u00d7", "\u00f7", "\u202f"};
    for (std::string_view sign : Signs)
        if (text.substr(0, sign.size()) == sign)
            return sign.size();
    return std::string_view("0123456789 +-=,.:()").find(text.front()) != std::string_view::npos ? 1 : 0;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string withFiguresApart(std::string_view sentence)
{
    if (!lookup() || !lookup()->rightToLeft())
        return std::string(sentence);
    std::string text;
    for (std::size_t i = 0; i < sentence.size();) {
        // Already apart: copied whole.
        if (sentence.substr(i, Isolate.size()) == Isolate) {
            const std::size_t end = sentence.find(PopIsolate, i);
            const std::size_t stop = end == std::string_view::npos ? sentence.size() : end + PopIsolate.size();
            text += sentence.substr(i, stop - i);
            i = stop;
            continue;
        }
        if (!isDigit(sentence[i])) {
            text += sentence[i++];
            continue;
        }
        // From a digit, as far as figures go, then back to the last digit
        // (a closing bracket kept): the sentence's own colon or full stop
        // stays outside.
        std::size_t end = i;
        std::size_t lastDigit = i;
        while (end < sentence.size()) {
            const std::size_t length = figureAt(sentence.substr(end));
            if (length == 0)
                break;
            if (isDigit(sentence[end]) || sentence[end] == ')')
                lastDigit = end;
            end += length;
        }
        const std::string_view stretch = sentence.substr(i, lastDigit + 1 - i);
        text += Isolate;
        text += stretch;
        text += PopIsolate;
        i = lastDigit + 1;
    }
    return text;
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
