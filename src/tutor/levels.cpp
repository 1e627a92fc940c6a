#include "tutor/levels.h"

#include <algorithm>
#include <string>

namespace rods {
namespace {

using Carries = Level::Carries;
using Remainder = Level::Remainder;

Level times(int number, const char* practises, int rods, int digits, Carries carries = Carries::Any,
            bool zeroRod = false)
{
    Level level;
    level.operation = Operation::Multiply;
    level.number = number;
    level.practises = practises;
    level.rodDigits = rods;
    level.otherDigits = digits;
    level.noTrivialRows = number > 1;
    level.carries = carries;
    level.zeroRod = zeroRod;
    return level;
}

Level into(int number, const char* practises, int divisor, int dividend, Remainder remainder = Remainder::Any,
           bool zeroInQuotient = false)
{
    Level level;
    level.operation = Operation::Divide;
    level.number = number;
    level.practises = practises;
    level.rodDigits = divisor;
    level.otherDigits = dividend;
    level.remainder = remainder;
    level.zeroInQuotient = zeroInQuotient;
    return level;
}

const std::vector<Level> Multiplication{
    times(1, "1 rod × 1 digit", 1, 1),
    times(2, "2 rods × 1 digit, no carries", 2, 1, Carries::None),
    times(3, "3 rods × 1 digit, with carries", 3, 1, Carries::Some),
    times(4, "2 rods × 2 digits, no carries", 2, 2, Carries::None),
    times(5, "3 rods × 2 digits, with carries", 3, 2, Carries::Some),
    times(6, "3 rods with a 0 rod × 2 digits", 3, 2, Carries::Any, true),
    times(7, "4 rods × 3 digits", 4, 3),
    times(8, "5 rods × 4 digits", 5, 4),
    times(9, "6 rods × 5 digits", 6, 5),
    times(10, "8 rods × 6 digits", 8, 6),
};

const std::vector<Level> Division{
    into(1, "1-digit divisor into 2 digits, no remainder", 1, 2, Remainder::None),
    into(2, "1-digit divisor into 3 digits, no remainder", 1, 3, Remainder::None),
    into(3, "1-digit divisor into 3 digits, with a remainder", 1, 3, Remainder::Some),
    into(4, "1-digit divisor, a 0 in the quotient", 1, 4, Remainder::Any, true),
    into(5, "2-digit divisor into 3 digits", 2, 3),
    into(6, "2-digit divisor, a 0 in the quotient", 2, 5, Remainder::Any, true),
    into(7, "3-digit divisor into 6 digits", 3, 6),
    into(8, "4-digit divisor into 8 digits", 4, 8),
    into(9, "6-digit divisor into 12 digits", 6, 12),
    into(10, "8-digit divisor into 15 digits", 8, 15),
};

int digitCount(std::uint64_t value) { return static_cast<int>(std::to_string(value).size()); }

// Whether working the product by the rods carries anywhere: in a row's
// diagonals, or (with two rows or more) in adding them.
struct CarriesFound {
    bool inRows = false;
    bool inSum = false;
};

CarriesFound carriesIn(const std::vector<int>& rods, std::uint64_t multiplicand)
{
    CarriesFound found;
    std::vector<std::vector<int>> rows; // each row's digits from the right, shifted to its place
    int place = 0;
    for (std::uint64_t rest = multiplicand; rest > 0 || place == 0; rest /= 10, ++place) {
        const int digit = static_cast<int>(rest % 10);
        std::vector<int> row(static_cast<std::size_t>(place), 0);
        int carry = 0;
        int tensBefore = 0; // the tens of the cell to the right, in this diagonal
        for (auto rod = rods.rbegin(); rod != rods.rend(); ++rod) {
            const int cell = *rod * digit;
            const int sum = cell % 10 + tensBefore + carry;
            found.inRows = found.inRows || sum >= 10;
            row.push_back(sum % 10);
            carry = sum / 10;
            tensBefore = cell / 10;
        }
        const int last = tensBefore + carry; // at most 9: nothing more to carry
        row.push_back(last);
        rows.push_back(row);
        if (rest < 10)
            break;
    }
    if (rows.size() > 1) {
        std::size_t width = 0;
        for (const auto& row : rows)
            width = std::max(width, row.size());
        int carry = 0;
        for (std::size_t column = 0; column < width; ++column) {
            int sum = carry;
            for (const auto& row : rows)
                sum += column < row.size() ? row[column] : 0;
            found.inSum = found.inSum || sum >= 10;
            carry = sum / 10;
        }
    }
    return found;
}

bool keepsTimesPromise(const Level& level, const Problem& problem)
{
    const std::string other = std::to_string(problem.number);
    if (static_cast<int>(other.size()) != level.otherDigits || problem.rods.front() == 0)
        return false;
    if (level.noTrivialRows && (rodsNumber(problem.rods) < 2 || other.find_first_of("01") != std::string::npos))
        return false;
    if (level.zeroRod && std::find(problem.rods.begin(), problem.rods.end(), 0) == problem.rods.end())
        return false;
    const CarriesFound carries = carriesIn(problem.rods, problem.number);
    if (level.carries == Carries::Some && !carries.inRows)
        return false;
    if (level.carries == Carries::None && (carries.inRows || carries.inSum))
        return false;
    return true;
}

bool keepsDivisionPromise(const Level& level, const Problem& problem)
{
    const std::uint64_t divisor = rodsNumber(problem.rods);
    if (problem.rods.front() == 0 || divisor < 2 || digitCount(problem.number) != level.otherDigits)
        return false;
    const std::uint64_t remainder = problem.number % divisor;
    if (level.remainder == Remainder::None && remainder != 0)
        return false;
    if (level.remainder == Remainder::Some && remainder == 0)
        return false;
    if (level.zeroInQuotient && std::to_string(problem.number / divisor).find('0') == std::string::npos)
        return false;
    return true;
}

} // namespace

const std::vector<Level>& levels(Operation operation)
{
    return operation == Operation::Multiply ? Multiplication : Division;
}

const Level* findLevel(Operation operation, int number)
{
    const std::vector<Level>& all = levels(operation);
    if (number < 1 || number > static_cast<int>(all.size()))
        return nullptr;
    return &all[static_cast<std::size_t>(number - 1)];
}

bool keepsPromise(const Level& level, const Problem& problem)
{
    if (problem.operation != level.operation || static_cast<int>(problem.rods.size()) != level.rodDigits)
        return false;
    return level.operation == Operation::Multiply ? keepsTimesPromise(level, problem)
                                                  : keepsDivisionPromise(level, problem);
}

} // namespace rods
