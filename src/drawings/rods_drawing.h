#pragma once

#include "board/board_sketch.h"
#include "tutor/multiplication/reading.h"

#include <QFont>
#include <QPainterPath>
#include <QPalette>

#include <optional>
#include <vector>

class QPainter;

namespace rods {

// How a drawing looks on the surface it is painted on: its colours and font,
// and the thinnest line, in the painter's units, that the surface shows
// sharply.
struct DrawingLook {
    QPalette colours;
    QFont font;
    double hairline = 1.0;            // in the painter's units
    double devicePixelsPerUnit = 1.0; // a high-DPI screen's ratio; 1 on paper
    bool cosmetic = false;            // lines drawn in device pixels: quick on screen
};

// The rods of a product and the index rod, as on the board, scaled into any
// area of any paint device: the Working window's picture, a PNG, a PDF page,
// a printer. The row being read is lit across every rod and the index rod,
// and right under it, the rows below making room, stands the digit each of
// its diagonals gives, under the gap its diagonal ends in. Those digits may
// be hidden while a learner works them out, and one diagonal of the row may
// be marked: its two halves cut out of the light.
class RodsDrawing {
public:
    void setRods(const std::vector<int>& rods);
    [[nodiscard]] const std::vector<int>& rods() const { return rods_; }
    // The row to light, or none; its diagonals' digits shown or hidden. A
    // row of 0 lights nothing.
    void setRow(const RowReading* row, bool digitsHidden);
    void setMarkedDiagonal(std::optional<std::size_t> fromRight);
    [[nodiscard]] const std::optional<RowReading>& row() const { return row_; }
    [[nodiscard]] bool digitsHidden() const { return digitsHidden_; }
    [[nodiscard]] std::optional<std::size_t> markedDiagonal() const { return marked_; }

    // Everything the picture holds, in board twips.
    [[nodiscard]] QRectF extent() const;
    // Scales the whole picture to fit the area, centred.
    void fitInto(const QRectF& area);
    // Puts board twips (x, y) at a point of the device, at a scale in device
    // units per twip.
    void place(QPointF origin, double twipsX, double twipsY, double scale);
    [[nodiscard]] double scale() const { return scale_; }
    [[nodiscard]] QPointF toDevice(double xTwips, double yTwips) const;

    // Which part of the rods to draw: all, or one row (by its top), and
    // within it only what stands between two x positions (board twips).
    struct Part {
        std::optional<int> rowTop;
        double left = -1e9;
        double right = 1e9;
    };
    // The rods' lines, and their digits in the given colour, as on the
    // board: no row lit and no room made under it.
    void drawRods(QPainter& painter, const DrawingLook& look, QPalette::ColorRole digits, const Part& part) const;
    // What lighting the row adds to the rods drawn with room made under it:
    // the rods' sides through the band, the light, the marked diagonal and
    // the band's digits.
    void drawLitRow(QPainter& painter, const DrawingLook& look) const;
    // The whole picture: the rods, with the room under the lit row, and the
    // row lit.
    void draw(QPainter& painter, const DrawingLook& look) const;

    // Where the band under the lit row starts and how high it is, in device
    // units; nothing without a lit row.
    [[nodiscard]] double splitY() const;
    [[nodiscard]] double bandHeight() const;

private:
    [[nodiscard]] QPointF diagonalDigitPlace(int fromRight) const;
    [[nodiscard]] QPainterPath diagonalHalves(std::size_t fromRight) const;
    void drawDiagonalDigits(QPainter& painter, const DrawingLook& look) const;
    [[nodiscard]] int litRowBottom() const;
    [[nodiscard]] QPen line(const DrawingLook& look, const QColor& colour, double boardPixels) const;

    std::vector<int> rods_;
    BoardSketch sketch_;
    std::optional<RowReading> row_;
    bool digitsHidden_ = false;
    std::optional<std::size_t> marked_;
    QPointF origin_;      // where twipsOrigin_ lands on the device
    QPointF twipsOrigin_; // in board twips
    double scale_ = 1.0;  // device units per twip
    QRectF area_;         // the device area the whole picture covers
};

} // namespace rods
