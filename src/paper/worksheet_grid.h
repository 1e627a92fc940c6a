#pragma once

#include <QPointF>
#include <QSizeF>

#include <vector>

namespace rods {

// Where cells of many sizes go on pages, in order: left to right in rows as
// many as fit across, each row as high as its highest cell, rows down the
// page as many as fit, then the next page. All in millimetres from the
// top-left corner of the page's printable area.
struct GridMeasures {
    double width = 0;    // across the page
    double height = 0;   // down the page
    double firstTop = 0; // where the first page's cells start
    double top = 0;      // where the other pages' cells start
    double gap = 0;      // between cells, across and down
};

struct PlacedCell {
    std::size_t index = 0;
    QPointF at;
};

// A page's cells; at least one page, even without cells.
using GridPages = std::vector<std::vector<PlacedCell>>;
[[nodiscard]] GridPages packCells(const std::vector<QSizeF>& sizes, const GridMeasures& measures);

} // namespace rods
