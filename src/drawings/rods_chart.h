#pragma once

#include <QFont>
#include <QPointF>
#include <QSizeF>

#include <vector>

class QPainter;

namespace rods {

// The rods of a problem and the index rod as a chart for a worksheet: each
// rod's digit on top, then its nine multiples, each cell split by its
// diagonal into the tens above and the units below; the index rod's row
// numbers beside them. The cells are only as large as their two digits
// need, so that digits a child can read still leave room on the page: the
// board's own picture, at the same size of digit, stands half as high again.
class RodsChart {
public:
    // The digits of the chart: at least this size, in points.
    static constexpr double DigitPoints = 10.5;

    explicit RodsChart(std::vector<int> rods);

    // The chart's width and height, in millimetres.
    [[nodiscard]] QSizeF size() const;
    // Draws the chart with its top-left corner at `topLeft`, on a surface of
    // `unitsPerMillimetre`, its digits in `digits` (a bold font of
    // DigitPoints on that surface).
    void draw(QPainter& painter, QPointF topLeft, double unitsPerMillimetre, const QFont& digits) const;

private:
    std::vector<int> rods_;
};

} // namespace rods
