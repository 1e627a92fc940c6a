#include "core/board_state.h"

#include "core/numbers.h"

#include <cmath>
#include <stdexcept>

namespace rods {

void BoardState::placeRod(int digit)
{
    if (isFull() || digit < 0 || digit > 9)
        throw std::logic_error("placeRod takes a checked digit on a board with room");
    const int rod = ++rodCount_;
    const auto entryValue = static_cast<double>(digit);
    for (int row = 1; row <= 9; ++row) {
        // The conversions cannot fail for a digit: 9 x 9 = 81 fits a byte.
        const std::uint8_t rowProduct = toByte(entryValue * row).value();
        const auto tens = static_cast<std::int16_t>(std::floor(rowProduct / 10.0));
        table_.set(rod, row, Plane::Digit, toInt16(entryValue).value());
        table_.set(rod, row, Plane::Tens, tens);
        table_.set(rod, row, Plane::Units, static_cast<std::int16_t>(rowProduct - 10 * tens));
    }
}

std::vector<int> BoardState::digits() const
{
    std::vector<int> digits;
    for (int rod = 1; rod <= rodCount_; ++rod)
        digits.push_back(digit(rod));
    return digits;
}

} // namespace rods
