#include "tutor/problems/levels.h"

#include "core/board_state.h"
#include "tutor/multiplication/reading.h"

#include <algorithm>
#include <string>

namespace rods {
namespace {

using Carries = Level::Carries;
using Remainder = Level::Remainder;

Level times(int number, MarkedText practises, int rods, int digits, Carries carries = Carries::Any,
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

Level into(int number, MarkedText practises, int divisor, int dividend, Remainder remainder = Remainder::Any,
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
    // TRANSLATORS: what a level of multiplication practises: the rods are
    // the multiplier's digits, times the multiplicand's digits.
    times(1, mark("Level", "1 rod × 1 digit"), 1, 1),
    times(2, mark("Level", "2 rods × 1 digit, no carries"), 2, 1, Carries::None),
    times(3, mark("Level", "3 rods × 1 digit, with carries"), 3, 1, Carries::Some),
    times(4, mark("Level", "2 rods × 2 digits, no carries"), 2, 2, Carries::None),
    times(5, mark("Level", "3 rods × 2 digits, with carries"), 3, 2, Carries::Some),
    times(6, mark("Level", "3 rods with a 0 rod × 2 digits"), 3, 2, Carries::Any, true),
    times(7, mark("Level", "4 rods × 3 digits"), 4, 3),
    times(8, mark("Level", "5 rods × 4 digits"), 5, 4),
    times(9, mark("Level", "6 rods × 5 digits"), 6, 5),
    times(10, mark("Level", "8 rods × 6 digits"), 8, 6),
};

const std::vector<Level> Division{
    // TRANSLATORS: what a level of division practises: the divisor, made by
    // the rods, into the dividend's digits.
    into(1, mark("Level", "1-digit divisor into 2 digits, no remainder"), 1, 2, Remainder::None),
    into(2, mark("Level", "1-digit divisor into 3 digits, no remainder"), 1, 3, Remainder::None),
    into(3, mark("Level", "1-digit divisor into 3 digits, with a remainder"), 1, 3, Remainder::Some),
    into(4, mark("Level", "1-digit divisor, a 0 in the quotient"), 1, 4, Remainder::Any, true),
    into(5, mark("Level", "2-digit divisor into 3 digits"), 2, 3),
    into(6, mark("Level", "2-digit divisor, a 0 in the quotient"), 2, 5, Remainder::Any, true),
    into(7, mark("Level", "3-digit divisor into 6 digits"), 3, 6),
    into(8, mark("Level", "4-digit divisor into 8 digits"), 4, 8),
    into(9, mark("Level", "6-digit divisor into 12 digits"), 6, 12),
    into(10, mark("Level", "8-digit divisor into 15 digits"), 8, 15),
};

int digitCount(std::uint64_t value) { return static_cast<int>(std::to_string(value).size()); }

// Whether working the product by the rods carries anywhere: in a row's
// diagonals, or in adding the rows. Read off the rods as the tutor reads them.
struct CarriesFound {
    bool inRows = false;
    bool inSum = false;
};

CarriesFound carriesIn(const std::vector<int>& rods, std::uint64_t multiplicand)
{
    BoardState board;
    for (int rod : rods)
        board.placeRod(rod);
    const Reading reading = readRods(board, multiplicand);
    auto carries = [](const std::vector<Place>& places) {
        return std::any_of(places.begin(), places.end(), [](const Place& place) { return place.result >= 10; });
    };
    CarriesFound found;
    for (const RowReading& row : reading.rows)
        found.inRows = found.inRows || carries(row.diagonals);
    found.inSum = carries(reading.columns);
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
