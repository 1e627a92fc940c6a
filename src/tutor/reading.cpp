#include "tutor/reading.h"

#include "core/board_state.h"

#include <algorithm>
#include <stdexcept>

namespace rods {
std::size_t Reading::nonZeroRows() const
{
    return static_cast<std::size_t>(
        std::count_if(rows.begin(), rows.end(), [](const RowReading& row) { return row.partial != "0"; }));
}

std::string withoutLeadingZeros(std::string digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

namespace {

RowReading readRow(const BoardState& board, int place, int digit)
{
    RowReading row;
    row.place = place;
    row.digit = digit;
    if (digit == 0) {
        row.partial = "0";
        return row;
    }
    const RodTable& table = board.table();
    const int rodCount = board.RodCount();
    for (int rod = 1; rod <= rodCount; ++rod)
        row.cells.push_back({table.at(rod, digit, Plane::Tens), table.at(rod, digit, Plane::Units)});

    // Diagonal j from the right takes the units of cell n - j and the tens of
    // cell n - j + 1 (cells counted 1 to n from the left).
    std::string digits; // most significant first
    int carry = 0;
    for (int j = 0; j <= rodCount; ++j) {
        Place diagonal;
        const int left = rodCount - j; // 0 when only the first rod's tens remain
        const int right = left + 1;
        if (left >= 1)
            diagonal.parts.push_back(row.cells[static_cast<std::size_t>(left - 1)].units);
        if (right <= rodCount)
            diagonal.parts.push_back(row.cells[static_cast<std::size_t>(right - 1)].tens);
        diagonal.in = carry;
        diagonal.result = carry;
        for (int half : diagonal.parts)
            diagonal.result += half;
        carry = diagonal.out();
        digits.insert(digits.begin(), static_cast<char>('0' + diagonal.digit()));
        row.diagonals.push_back(diagonal);
    }
    if (carry != 0) // a digit times the multiplier has at most one digit more
        throw std::logic_error("a carry left the leftmost diagonal");
    row.partial = withoutLeadingZeros(digits);
    return row;
}

} // namespace

std::string RowReading::shifted() const
{
    return partial == "0" ? partial : partial + std::string(static_cast<std::size_t>(place), '0');
}

std::vector<const RowReading*> Reading::addedRows() const
{
    std::vector<const RowReading*> added;
    for (const RowReading& row : rows)
        if (row.digit != 0)
            added.push_back(&row);
    return added;
}

Reading readRods(const BoardState& board, std::uint64_t multiplicand)
{
    if (board.RodCount() < 1 || multiplicand > LargestReadMultiplicand)
        throw std::invalid_argument("no reading for this board and multiplicand");
    Reading reading;
    reading.rods = board.digits();
    reading.multiplicand = std::to_string(multiplicand);

    const std::string& digits = reading.multiplicand;
    for (int place = 0; place < static_cast<int>(digits.size()); ++place)
        reading.rows.push_back(
            readRow(board, place, digits[digits.size() - 1 - static_cast<std::size_t>(place)] - '0'));

    std::vector<std::string> added;
    for (const RowReading* row : reading.addedRows())
        added.push_back(row->shifted());
    ColumnSum sum = addInColumns(added);
    reading.columns = std::move(sum.columns);
    reading.product = std::move(sum.sum);
    return reading;
}

ColumnSum addInColumns(const std::vector<std::string>& numbers)
{
    std::size_t width = 0;
    for (const std::string& number : numbers)
        width = std::max(width, number.size());
    ColumnSum result;
    std::string sum; // least significant first
    int carry = 0;
    for (std::size_t c = 0; c < width || carry != 0; ++c) {
        Place column;
        column.in = carry;
        column.result = carry;
        for (const std::string& number : numbers) {
            if (c < number.size()) {
                const int d = number[number.size() - 1 - c] - '0';
                column.parts.push_back(d);
                column.result += d;
            }
        }
        carry = column.out();
        sum += static_cast<char>('0' + column.digit());
        result.columns.push_back(column);
    }
    std::reverse(sum.begin(), sum.end());
    result.sum = withoutLeadingZeros(sum);
    return result;
}

} // namespace rods
