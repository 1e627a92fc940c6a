#pragma once

#include "drawings/rods_chart.h"
#include "paper/working_room.h"

#include <QString>

namespace rods {

class PaperStyle;

// One problem of a worksheet in its cell of the page's grid: its number and
// text on top, then its rods and the room to work it side by side, or the
// rods above the room when the two do not fit across the page.
class WorksheetCell {
public:
    WorksheetCell(int number, const WorksheetProblem& problem, const WorksheetLook& look);

    // Measures the cell, in millimetres, for a page `widest` across; the
    // heading's width is measured in the style's font on `device`.
    void layOut(const PaperStyle& style, const QPaintDevice* device, double widest);
    [[nodiscard]] QSizeF size() const { return size_; }
    void draw(QPainter& painter, const PaperStyle& style, QPointF topLeft) const;

    // The cell's heading, in points: "12. 307 × 12 =".
    static constexpr double HeadingPoints = 12;

private:
    QString heading_;
    RodsChart chart_;
    WorkingRoom room_;
    bool rods_;
    bool besides_ = true;
    QSizeF size_;
};

} // namespace rods
