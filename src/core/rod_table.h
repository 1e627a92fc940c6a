#pragma once

#include <array>
#include <cstdint>

namespace rods {

// The planes of the table of multiples.
enum class Plane : int { Digit = 0, Tens = 1, Units = 2 };

// The table of multiples, indexed (rod 0..10, row 0..10, plane). Rods 1 to
// the rod count and rows 1 to 9 carry meaning; the rest stays as it was left.
class RodTable {
public:
    static constexpr int Rods = 11;
    static constexpr int Rows = 11;
    static constexpr int Planes = 3;

    [[nodiscard]] std::int16_t at(int rod, int row, Plane plane) const { return cells_.at(offset(rod, row, plane)); }
    void set(int rod, int row, Plane plane, std::int16_t value) { cells_.at(offset(rod, row, plane)) = value; }

private:
    static std::size_t offset(int rod, int row, Plane plane)
    {
        return static_cast<std::size_t>((rod * Rows + row) * Planes + static_cast<int>(plane));
    }

    std::array<std::int16_t, Rods * Rows * Planes> cells_{};
};

} // namespace rods
