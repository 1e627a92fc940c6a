#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rods {

// How a text read as a number turned out. OutOfRange is a well-formed decimal
// whose magnitude no double can hold (1E400); it is a number, only too large.
enum class ParseStatus { Ok, NotANumber, OutOfRange };

struct ParsedNumber {
    ParseStatus status = ParseStatus::NotANumber;
    double value = 0.0;

    [[nodiscard]] bool ok() const { return status == ParseStatus::Ok; }
};

// Reads a decimal number: blanks, an optional sign, digits with an optional
// point (at least one digit), an optional exponent (E or e, optional sign,
// digits), blanks. Anything else, the empty text included, is not a number.
// Independent of the C locale, which Qt sets from the environment.
[[nodiscard]] ParsedNumber textToNumber(std::string_view text);

// Plain decimal digits with a leading minus sign when negative.
[[nodiscard]] std::string integerToText(long long value);

// Whole values below 10^15 in magnitude as plain digits; everything else with
// at most 15 significant digits, in exponent form (1E+15) from 10^15 up and
// below 10^-4. Negative zero is written "0".
[[nodiscard]] std::string numberToText(double value);

// Nearest integer, halves to even; empty when the result is out of range or
// the value is not finite. Never wraps.
[[nodiscard]] std::optional<std::uint8_t> toByte(double value);
[[nodiscard]] std::optional<std::int16_t> toInt16(double value);

// 10^n for 0 <= n <= 22, exact in double precision.
[[nodiscard]] double powerOfTen(int n);

} // namespace rods
