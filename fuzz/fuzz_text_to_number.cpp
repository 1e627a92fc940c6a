// Differential fuzzing of the text-to-number conversion. The reference is
// independent of it: a table-driven recogniser of the grammar, and the C
// library's strtod in the "C" locale for the value. Numbers that convert are
// also written back as text and read again.
#include "core/numbers.h"
#include "fuzz_check.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

enum State : int { Lead, Signed, Whole, Point, Fraction, Exponent, ExponentSign, ExponentDigits, Trail, Reject };
enum Class : int { Blank, Sign, Digit, Dot, E, Other };

Class classify(unsigned char c)
{
    if (c == ' ' || c == '\t')
        return Blank;
    if (c == '+' || c == '-')
        return Sign;
    if (c >= '0' && c <= '9')
        return Digit;
    if (c == '.')
        return Dot;
    if (c == 'e' || c == 'E')
        return E;
    return Other;
}

// next[state][class]
constexpr State next[9][6] = {
    /* Lead           */ {Lead, Signed, Whole, Point, Reject, Reject},
    /* Signed         */ {Reject, Reject, Whole, Point, Reject, Reject},
    /* Whole          */ {Trail, Reject, Whole, Fraction, Exponent, Reject},
    /* Point          */ {Reject, Reject, Fraction, Reject, Reject, Reject},
    /* Fraction       */ {Trail, Reject, Fraction, Reject, Exponent, Reject},
    /* Exponent       */ {Reject, ExponentSign, ExponentDigits, Reject, Reject, Reject},
    /* ExponentSign   */ {Reject, Reject, ExponentDigits, Reject, Reject, Reject},
    /* ExponentDigits */ {Trail, Reject, ExponentDigits, Reject, Reject, Reject},
    /* Trail          */ {Trail, Reject, Reject, Reject, Reject, Reject},
};

bool wellFormed(const std::string& text)
{
    State state = Lead;
    for (char c : text) {
        state = next[state][classify(static_cast<unsigned char>(c))];
        if (state == Reject)
            return false;
    }
    return state == Whole || state == Fraction || state == ExponentDigits || state == Trail;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const rods::ParsedNumber parsed = rods::textToNumber(text);

    if (!wellFormed(text)) {
        check(parsed.status == rods::ParseStatus::NotANumber);
        return 0;
    }
    errno = 0;
    char* end = nullptr;
    const double expected = std::strtod(text.c_str(), &end);
    const bool range = errno == ERANGE;
    if (range && std::isinf(expected)) {
        check(parsed.status == rods::ParseStatus::OutOfRange);
        return 0;
    }
    check(parsed.status == rods::ParseStatus::Ok);
    if (range) // below the smallest double: either neighbour of zero will do
        check(parsed.value == expected || (parsed.value == 0.0 && std::fabs(expected) <= DBL_TRUE_MIN));
    else
        check(parsed.value == expected && std::signbit(parsed.value) == std::signbit(expected));

    // Written back with 15 significant digits and read again. Within the last
    // step of the largest doubles, rounding to 15 digits passes the largest.
    const std::string written = rods::numberToText(parsed.value);
    const rods::ParsedNumber reread = rods::textToNumber(written);
    if (std::fabs(parsed.value) > 1.797693134862315e308) {
        check(reread.status == rods::ParseStatus::OutOfRange);
        return 0;
    }
    check(reread.ok());
    check(std::fabs(reread.value - parsed.value) <= std::fabs(parsed.value) * 1e-14);
    (void)rods::toByte(parsed.value);
    (void)rods::toInt16(parsed.value);
    return 0;
}
