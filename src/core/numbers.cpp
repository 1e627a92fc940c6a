#include "core/numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace rods {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The parts of a text that has passed the grammar check.
struct DecimalParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

std::size_t countDigits(std::string_view text, std::size_t from)
{
    std::size_t end = from;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - from;
}

std::optional<DecimalParts> splitDecimal(std::string_view s)
{
    DecimalParts parts;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        parts.negative = s[i++] == '-';
    std::size_t n = countDigits(s, i);
    parts.integerDigits = s.substr(i, n);
    i += n;
    if (i < s.size() && s[i] == '.') {
        ++i;
        n = countDigits(s, i);
        parts.fractionDigits = s.substr(i, n);
        i += n;
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty())
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            parts.exponentNegative = s[i++] == '-';
        n = countDigits(s, i);
        if (n == 0)
            return std::nullopt;
        parts.exponentDigits = s.substr(i, n);
        i += n;
    }
    if (i != s.size())
        return std::nullopt;
    return parts;
}

// Decimal exponent of the leading non-zero digit, used only to tell an
// overflow from an underflow once the value has proved out of range.
long long leadingExponent(const DecimalParts& parts)
{
    long long exponent = 0;
    for (char c : parts.exponentDigits) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > 1'000'000'000)
            break;
    }
    if (parts.exponentNegative)
        exponent = -exponent;
    const auto firstInteger = parts.integerDigits.find_first_not_of('0');
    if (firstInteger != std::string_view::npos)
        return exponent + static_cast<long long>(parts.integerDigits.size() - firstInteger) - 1;
    const auto firstFraction = parts.fractionDigits.find_first_not_of('0');
    return exponent - static_cast<long long>(firstFraction) - 1;
}

// Rounds half to even without depending on the floating-point rounding mode.
double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double rest = value - floor;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(floor, 2.0) != 0.0))
        return floor + 1.0;
    return floor;
}

template <typename Int> std::optional<Int> roundToInteger(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min())
        || rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

ParsedNumber textToNumber(std::string_view text)
{
    const std::string_view s = trimBlanks(text);
    const auto parts = splitDecimal(s);
    if (!parts)
        return {};
    // from_chars takes no leading plus sign; the grammar has been checked.
    const std::string_view digits = s.front() == '+' ? s.substr(1) : s;
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (leadingExponent(*parts) >= 0)
            return {ParseStatus::OutOfRange, 0.0};
        return {ParseStatus::Ok, parts->negative ? -0.0 : 0.0};
    }
    if (error != std::errc() || end != digits.data() + digits.size())
        return {};
    return {ParseStatus::Ok, value};
}

std::string integerToText(long long value)
{
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

std::string numberToText(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0.0)
        return "0";
    if (std::fabs(value) < 1e15 && value == std::trunc(value))
        return integerToText(static_cast<long long>(value));

    // d.dddddddddddddde±x: fifteen significant digits, then trimmed.
    std::array<char, 40> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 14);
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto ePos = scientific.find('e');
    const bool negative = scientific.front() == '-';
    std::string digits;
    for (char c : scientific.substr(0, ePos))
        if (isDigit(c))
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    const std::string_view exponentText = scientific.substr(ePos + 1);
    std::from_chars(exponentText.data() + (exponentText.front() == '+' ? 1 : 0),
                    exponentText.data() + exponentText.size(), exponent);

    std::string text = negative ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        text += digits.front();
        if (digits.size() > 1)
            text += '.' + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        const std::string magnitude = integerToText(std::abs(exponent));
        text += (magnitude.size() < 2 ? "0" : "") + magnitude;
    } else if (exponent < 0) {
        text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto integerLength = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerLength)
            text += digits + std::string(integerLength - digits.size(), '0');
        else
            text += digits.substr(0, integerLength) + '.' + digits.substr(integerLength);
    }
    return text;
}

std::optional<std::uint8_t> toByte(double value) { return roundToInteger<std::uint8_t>(value); }

std::optional<std::int16_t> toInt16(double value) { return roundToInteger<std::int16_t>(value); }

double powerOfTen(int n)
{
    double power = 1.0;
    for (int i = 0; i < n; ++i)
        power *= 10.0;
    return power;
}

} // namespace rods
