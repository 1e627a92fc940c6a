#include "paper/worksheet_grid.h"

#include <algorithm>

namespace rods {

GridPages packCells(const std::vector<QSizeF>& sizes, const GridMeasures& measures)
{
    GridPages pages(1);
    double x = 0;
    double rowTop = measures.firstTop;
    double rowHeight = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const QSizeF size = sizes[i];
        if (x > 0 && x + size.width() > measures.width) {
            rowTop += rowHeight + measures.gap;
            x = 0;
            rowHeight = 0;
        }
        // A cell taller than a whole page still goes on a page of its own.
        if (rowTop + size.height() > measures.height && !pages.back().empty()) {
            pages.emplace_back();
            rowTop = measures.top;
            x = 0;
            rowHeight = 0;
        }
        pages.back().push_back({i, QPointF(x, rowTop)});
        x += size.width() + measures.gap;
        rowHeight = std::max(rowHeight, size.height());
    }
    return pages;
}

} // namespace rods
