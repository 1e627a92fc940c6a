#include "tutor/problems/problem_sets.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>

namespace rods {
namespace {

// The engine's output is fixed by the C++ standard; the standard library's
// distributions are not, so numbers are mapped to ranges here, by rejection,
// never by std::uniform_int_distribution.
class Draw {
public:
    explicit Draw(std::uint64_t seed)
        : engine_(seed)
    {
    }

    // Uniform in [low, high].
    std::uint64_t between(std::uint64_t low, std::uint64_t high)
    {
        const std::uint64_t span = high - low + 1; // high - low < 2^64 - 1 here
        const std::uint64_t limit = std::numeric_limits<std::uint64_t>::max() / span * span;
        std::uint64_t value = engine_();
        while (value >= limit)
            value = engine_();
        return low + value % span;
    }
    int digit(int low, int high)
    {
        return static_cast<int>(between(static_cast<std::uint64_t>(low), static_cast<std::uint64_t>(high)));
    }

private:
    std::mt19937_64 engine_;
};

std::uint64_t power10(int exponent)
{
    std::uint64_t value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= 10;
    return value;
}

// A number of so many digits, the first not 0; with no 0 or 1 anywhere when
// asked.
std::uint64_t number(Draw& draw, int digits, bool noZeroOrOne)
{
    std::uint64_t value = 0;
    for (int i = 0; i < digits; ++i)
        value = value * 10 + static_cast<std::uint64_t>(draw.digit(noZeroOrOne ? 2 : (i == 0 ? 1 : 0), 9));
    return value;
}

std::vector<int> rodsOf(Draw& draw, int digits)
{
    std::vector<int> rods;
    for (int i = 0; i < digits; ++i)
        rods.push_back(draw.digit(i == 0 ? 1 : 0, 9));
    return rods;
}

Problem candidate(const Level& level, Draw& draw)
{
    Problem problem;
    problem.operation = level.operation;
    problem.rods = rodsOf(draw, level.rodDigits);
    if (level.operation == Operation::Multiply) {
        if (level.noTrivialRows)
            problem.number = number(draw, level.otherDigits, true);
        else
            problem.number = draw.between(0, 9);
        if (level.zeroRod) // a 0 somewhere after the first rod
            problem.rods[static_cast<std::size_t>(draw.digit(1, level.rodDigits - 1))] = 0;
        return problem;
    }
    const std::uint64_t divisor = rodsNumber(problem.rods);
    const std::uint64_t low = power10(level.otherDigits - 1);
    const std::uint64_t high = power10(level.otherDigits) - 1;
    if (level.remainder == Level::Remainder::None && divisor > 0) {
        // A multiple of the divisor with the dividend's digits.
        const std::uint64_t first = (low + divisor - 1) / divisor;
        const std::uint64_t last = high / divisor;
        problem.number = first <= last ? divisor * draw.between(first, last) : low;
    } else {
        problem.number = draw.between(low, high);
    }
    return problem;
}

bool same(const Problem& a, const Problem& b) { return a.rods == b.rods && a.number == b.number; }

} // namespace

std::vector<Problem> problemSet(const Level& level, int set)
{
    // One stream of numbers per operation, level and set.
    const std::uint64_t operation = level.operation == Operation::Multiply ? 1 : 2;
    const std::uint64_t seed = operation * 1'000'000'000 + static_cast<std::uint64_t>(level.number) * 100'000
                               + static_cast<std::uint64_t>(set);
    Draw draw(seed);
    std::vector<Problem> problems;
    while (problems.size() < ProblemsInSet) {
        Problem problem = candidate(level, draw);
        const bool seen = std::any_of(problems.begin(), problems.end(),
                                      [&](const Problem& earlier) { return same(earlier, problem); });
        // Every level has hundreds of problems or more, and each keeps its
        // promise often enough (one in six at the least) for this to end soon.
        if (keepsPromise(level, problem) && !seen)
            problems.push_back(problem);
    }
    return problems;
}

} // namespace rods
