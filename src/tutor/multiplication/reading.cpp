#include "tutor/multiplication/reading.h"

#include "core/board_state.h"

#include <algorithm>
#include <stdexcept>

namespace rods {
std::size_t Reading::nonZeroRows() const
{
    return static_cast<std::size_t>(
        std::count_if(rows.begin(), rows.end(), [](const RowReading& row) { return row.partial != "0"; }));
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

} // namespace rods
