#include "tutor/division/division.h"

#include "core/board_state.h"

#include <stdexcept>

namespace rods {

std::vector<Place> subtractInColumns(std::uint64_t top, std::uint64_t taken)
{
    if (taken > top)
        throw std::invalid_argument("a subtraction below 0");
    std::vector<Place> columns;
    int lent = 0;
    do {
        Place column;
        const int topDigit = static_cast<int>(top % 10);
        const int takenDigit = static_cast<int>(taken % 10);
        column.parts = {topDigit, takenDigit};
        column.in = lent;
        column.borrows = topDigit - lent < takenDigit;
        column.result = topDigit - lent + (column.borrows ? 10 : 0) - takenDigit;
        lent = column.borrows ? 1 : 0;
        columns.push_back(column);
        top /= 10;
        taken /= 10;
    } while (top != 0);
    return columns;
}

std::optional<Division> divideOnRods(const BoardState& board, std::uint64_t dividend)
{
    if (dividend > LargestDividend)
        throw std::invalid_argument("the dividend has more than 15 digits");
    if (board.RodCount() < 1)
        return std::nullopt;
    Division division;
    division.rods = board.digits();
    division.dividend = std::to_string(dividend);
    // Each row read across the rods as a multiplication's row is, in the
    // place it would have in the multiplicand 987654321.
    division.readings.resize(10);
    for (int digit = 1; digit <= 9; ++digit) {
        const RowReading row = readRow(board, digit - 1, digit);
        division.rows.at(static_cast<std::size_t>(digit)) = std::stoull(row.partial);
        division.readings.at(static_cast<std::size_t>(digit)) = row;
    }
    const std::uint64_t divisor = division.rows[1];
    if (divisor == 0)
        return std::nullopt;
    division.divisor = std::to_string(divisor);

    const std::string& digits = division.dividend;
    std::size_t next = 0;
    std::uint64_t part = 0;
    // The first part: the fewest leading digits the divisor goes into, or
    // the whole dividend when it is less than the divisor.
    do
        part = part * 10 + static_cast<std::uint64_t>(digits[next++] - '0');
    while (part < divisor && next < digits.size());
    for (;;) {
        DivisionStep step;
        step.part = part;
        step.lastDigit = next - 1;
        while (step.row < 9 && division.rows[static_cast<std::size_t>(step.row) + 1] <= part)
            ++step.row;
        step.product = division.rows[static_cast<std::size_t>(step.row)];
        step.left = part - step.product;
        step.columns = subtractInColumns(part, step.product);
        division.quotient += static_cast<char>('0' + step.row);
        if (next < digits.size())
            step.broughtDown = digits[next] - '0';
        division.steps.push_back(step);
        if (!step.broughtDown)
            break;
        part = step.left * 10 + static_cast<std::uint64_t>(*step.broughtDown);
        ++next;
    }
    division.remainder = division.steps.back().left;
    return division;
}

} // namespace rods
