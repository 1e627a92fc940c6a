#include "tutor/problems/problem.h"

#include "core/digits.h"
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

// The digits of one box, or why not: `name` is what the box holds.
std::optional<std::string> digitsOf(std::string_view text, std::string_view name, std::size_t most, std::string& why)
{
    text = trimmed(text);
    if (text.empty()) {
        why = sentence("Type the %1 first.", {name});
        return std::nullopt;
    }
    for (char c : text)
        if (c < '0' || c > '9') {
            why = sentence("The %1 is made of digits only: type the digits 0 to 9.", {name});
            return std::nullopt;
        }
    if (text.size() > most) {
        why = sentence("The %1 has at most %2.", {name, counted(most, "digit", "digits")});
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
    const std::string_view rodsName = multiply ? "multiplier" : "divisor";
    const std::string_view otherName = multiply ? "multiplicand" : "dividend";
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
                return {std::nullopt, "Write one sign between two numbers, like 307 × 12 or 3684 ÷ 12."};
            }
            at = from;
            found = sign;
        }
    if (!at)
        return {std::nullopt, "Write the problem as two numbers with × or ÷ between them, like 307 × 12 or 3684 ÷ 12."};
    const std::string_view blanks = " \t";
    if (text.substr(0, *at).find_first_not_of(blanks) == std::string_view::npos
        || text.substr(*at + found.text.size()).find_first_not_of(blanks) == std::string_view::npos)
        return {std::nullopt, "Write a number on each side of the sign, like 307 × 12 or 3684 ÷ 12."};
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
