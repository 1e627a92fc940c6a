#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rods {

enum class Operation { Multiply, Divide };

// A problem the tutor works: the rods (the multiplier's or the divisor's
// digits, a leading 0 a rod as on the board) and the other number (the
// multiplicand or the dividend).
struct Problem {
    Operation operation = Operation::Multiply;
    std::vector<int> rods;
    std::uint64_t number = 0;
};

// A problem as typed, or why it cannot be read, for the learner.
struct ProblemRead {
    std::optional<Problem> problem;
    std::string refusal;
};

// From the problem line's two boxes: for ×, the multiplier (1 to 8 digits)
// and the multiplicand (1 to 15); for ÷, the dividend (1 to 15) and the
// divisor (1 to 8). Blanks around the digits are ignored.
[[nodiscard]] ProblemRead readProblem(Operation operation, std::string_view first, std::string_view second);

// From one line: two numbers with ×, x or * (multiplier first) or ÷, / or :
// (dividend first) between them, blanks optional: "307 × 12", "3684/12".
[[nodiscard]] ProblemRead readProblem(std::string_view text);

// The number the rods make: the multiplier or the divisor (7 for the rods 0
// and 7).
[[nodiscard]] std::uint64_t rodsNumber(const std::vector<int>& rods);

// "307 × 12", "3684 ÷ 12": the rods as they stand.
[[nodiscard]] std::string problemText(const Problem& problem);

} // namespace rods
