#include "tutor/exercise/rows.h"

#include "core/board_state.h"

#include <algorithm>
#include <stdexcept>

namespace rods {

std::string withoutLeadingZeros(std::string digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

std::string rodDigits(const std::vector<int>& rods)
{
    std::string text;
    for (int digit : rods)
        text += static_cast<char>('0' + digit);
    return text;
}

std::string multiplierValue(const std::vector<int>& rods) { return withoutLeadingZeros(rodDigits(rods)); }

RowReading readRow(const BoardState& board, int place, int digit)
{
    RowReading row;
    row.place = place;
    row.digit = digit;
    if (digit == 0) {
        row.partial.assign(1, '0'); // not from a literal: GCC 12 at -O3 warns falsely there
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

std::string RowReading::shifted() const
{
    return partial == "0" ? partial : partial + std::string(static_cast<std::size_t>(place), '0');
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
