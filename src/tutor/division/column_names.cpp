#include "tutor/division/column_names.h"

#include "core/board_state.h"
#include "core/words.h"

#include <algorithm>
#include <array>

namespace rods {
namespace {

struct ColumnWords {
    MarkedText label;
    MarkedText opening;
    MarkedText from;
};

// The largest divisor has as many digits as the board has rods.
constexpr std::size_t Columns = BoardState::MaxRods + 1;

constexpr std::array<ColumnWords, Columns> Names{{
    // TRANSLATORS: the columns of a subtraction in long division, by place.
    // A "label" stands before the column's working ("tens: 13 − 5 = 8"); the
    // "sentence start" begins a hint ("The tens column: 13 − 5 = 8, not
    // 9."); the "from" form follows "Nothing was borrowed from …".
    {mark("Column (label)", "units"), mark("Column (sentence start)", "The units column"),
     mark("Column (from)", "the units column")},
    {mark("Column (label)", "tens"), mark("Column (sentence start)", "The tens column"),
     mark("Column (from)", "the tens column")},
    {mark("Column (label)", "hundreds"), mark("Column (sentence start)", "The hundreds column"),
     mark("Column (from)", "the hundreds column")},
    {mark("Column (label)", "thousands"), mark("Column (sentence start)", "The thousands column"),
     mark("Column (from)", "the thousands column")},
    {mark("Column (label)", "ten-thousands"), mark("Column (sentence start)", "The ten-thousands column"),
     mark("Column (from)", "the ten-thousands column")},
    {mark("Column (label)", "hundred-thousands"), mark("Column (sentence start)", "The hundred-thousands column"),
     mark("Column (from)", "the hundred-thousands column")},
    {mark("Column (label)", "millions"), mark("Column (sentence start)", "The millions column"),
     mark("Column (from)", "the millions column")},
    {mark("Column (label)", "ten-millions"), mark("Column (sentence start)", "The ten-millions column"),
     mark("Column (from)", "the ten-millions column")},
    {mark("Column (label)", "hundred-millions"), mark("Column (sentence start)", "The hundred-millions column"),
     mark("Column (from)", "the hundred-millions column")},
}};

} // namespace

std::string columnName(std::size_t place, ColumnRole role)
{
    // Never past the last: a part has no more digits than the table names.
    const ColumnWords& words = Names.at(std::min(place, Names.size() - 1));
    return translated(role == ColumnRole::Label     ? words.label
                      : role == ColumnRole::Opening ? words.opening
                                                    : words.from);
}

} // namespace rods
