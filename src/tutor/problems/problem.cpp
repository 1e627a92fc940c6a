#include "tutor/problems/problem.h"

#include "core/digits.h"
#include "core/words.h"
#include "tutor/division/division_words.h"
#include "tutor/exercise/sentence.h"
#include "tutor/multiplication/reading_words.h"

#include <array>

namespace rods {
namespace {

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The boxes of the problem line, each named whole in every refusal about it.
enum class Box { Multiplier, Multiplicand, Dividend, Divisor };

std::string emptyRefusal(Box box)
{
    switch (box) {
    case Box::Multiplier:
        return translated("Refusal", "Type the multiplier first.");
    case Box::Multiplicand:
        return translated("Refusal", "Type the multiplicand first.");
    case Box::Dividend:
        return translated("Refusal", "Type the dividend first.");
    case Box::Divisor:
        break;
    }
    return translated("Refusal", "Type the divisor first.");
}

std::string notDigitsRefusal(Box box)
{
    switch (box) {
    case Box::Multiplier:
        return translated("Refusal", "The multiplier is made of digits only: type the digits 0 to 9.");
    case Box::Multiplicand:
        return translated("Refusal", "The multiplicand is made of digits only: type the digits 0 to 9.");
    case Box::Dividend:
        return translated("Refusal", "The dividend is made of digits only: type the digits 0 to 9.");
    case Box::Divisor:
        break;
    }
    return translated("Refusal", "The divisor is made of digits only: type the digits 0 to 9.");
}

std::string tooLongRefusal(Box box, std::size_t most)
{
    const auto count = static_cast<long long>(most);
    switch (box) {
    case Box::Multiplier:
        // xgettext:no-c-format
        return translatedCount("Refusal", "The multiplier has at most %n digit.",
                               "The multiplier has at most %n digits.", count);
    case Box::Multiplicand:
        // xgettext:no-c-format
        return translatedCount("Refusal", "The multiplicand has at most %n digit.",
                               "The multiplicand has at most %n digits.", count);
    case Box::Dividend:
        // xgettext:no-c-format
        return translatedCount("Refusal", "The dividend has at most %n digit.", "The dividend has at most %n digits.",
                               count);
    case Box::Divisor:
        break;
    }
    // xgettext:no-c-format
    return translatedCount("Refusal", "The divisor has at most %n digit.", "The divisor has at most %n digits.", count);
}

// The digits of one box, or why not.
std::optional<std::string> digitsOf(std::string_view text, Box box, std::size_t most, std::string& why)
{
    text = trimmed(text);
    if (text.empty()) {
        why = emptyRefusal(box);
        return std::nullopt;
    }
    for (char c : text)
        if (c < '0' || c > '9') {
            why = notDigitsRefusal(box);
            return std::nullopt;
        }
    if (text.size() > most) {
        why = tooLongRefusal(box, most);
        return std::nullopt;
    }
    return std::string(text);
}

} // namespace

ProblemRead readProblem(Operation operation, std::string_view firstTyped, std::string_view secondTyped)
{
    // Digits as a pupil's keyboard may type them (Arabic-Indic, Persian,
    // full-width) are the same digits.
    const std::string firstLatin = withLatinDigits(firstTyped);
    const std::string secondLatin = withLatinDigits(secondTyped);
    const std::string_view first = firstLatin;
    const std::string_view second = secondLatin;
    const bool multiply = operation == Operation::Multiply;
    // The rods' number has one digit for each rod; the other number as many
    // as the rods are read for.
    const Box rodsName = multiply ? Box::Multiplier : Box::Divisor;
    const Box otherName = multiply ? Box::Multiplicand : Box::Dividend;
    const std::string_view rodsText = multiply ? first : second;
    const std::string_view otherText = multiply ? second : first;
    ProblemRead read;
    const auto firstDigits =
        multiply ? digitsOf(rodsText, rodsName, 8, read.refusal) : digitsOf(otherText, otherName, 15, read.refusal);
    if (!firstDigits)
        return read;
    const auto secondDigits =
        multiply ? digitsOf(otherText, otherName, 15, read.refusal) : digitsOf(rodsText, rodsName, 8, read.refusal);
    if (!secondDigits)
        return read;
    const std::string& rods = multiply ? *firstDigits : *secondDigits;
    Problem problem;
    problem.operation = operation;
    for (char digit : rods)
        problem.rods.push_back(digit - '0');
    problem.number = std::stoull(multiply ? *secondDigits : *firstDigits);
    read.problem = problem;
    return read;
}

ProblemRead readProblem(std::string_view text)
{
    struct Sign {
        std::string_view text;
        Operation operation;
    };
    constexpr std::array<Sign, 6> Signs{{{Times, Operation::Multiply},
                                         {"x", Operation::Multiply},
                                         {"*", Operation::Multiply},
                                         {DividedBy, Operation::Divide},
                                         {"/", Operation::Divide},
                                         {":", Operation::Divide}}};
    std::optional<std::size_t> at;
    Sign found{};
    for (const Sign& sign : Signs)
        for (std::size_t from = text.find(sign.text); from != std::string_view::npos;
             from = text.find(sign.text, from + 1)) {
            if (at) {
                at.reset();
                return {std::nullopt,
                        translated("Refusal", "Write one sign between two numbers, like 307 × 12 or 3684 ÷ 12.")};
            }
            at = from;
            found = sign;
        }
    if (!at)
        return {std::nullopt, translated("Refusal", "Write the problem as two numbers with × or ÷ between them, like "
                                                    "307 × 12 or 3684 ÷ 12.")};
    const std::string_view blanks = " \t";
    if (text.substr(0, *at).find_first_not_of(blanks) == std::string_view::npos
        || text.substr(*at + found.text.size()).find_first_not_of(blanks) == std::string_view::npos)
        return {std::nullopt,
                translated("Refusal", "Write a number on each side of the sign, like 307 × 12 or 3684 ÷ 12.")};
    return readProblem(found.operation, text.substr(0, *at), text.substr(*at + found.text.size()));
}

std::uint64_t rodsNumber(const std::vector<int>& rods)
{
    std::uint64_t value = 0;
    for (int rod : rods)
        value = value * 10 + static_cast<std::uint64_t>(rod);
    return value;
}

std::string problemText(const Problem& problem)
{
    const std::string rods = rodDigits(problem.rods);
    const std::string number = std::to_string(problem.number);
    if (problem.operation == Operation::Multiply)
        return sentence("%1 %2 %3", {rods, Times, number});
    return sentence("%1 %2 %3", {number, DividedBy, rods});
}

} // namespace rods
