#pragma once

#include "board/board_sketch.h"
#include "tutor/reading.h"

#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

#include <optional>

class QPainter;

namespace rods {

// The rods of a product and the index rod, drawn as on the board and scaled
// to fit. The row being read is highlighted across every rod and the index
// rod, and right under it, the rows below making room, stands the digit each
// of its diagonals gives, each under the gap its diagonal ends in. Those digits may be hidden while a
// learner works them out, and one diagonal of the row may be marked: its two
// halves cut out of the light. Colours come from the palette.
class RodsPicture : public QWidget {
    Q_OBJECT

public:
    explicit RodsPicture(QWidget* parent = nullptr);

    // The rods to draw; no rods draws nothing.
    void setRods(const std::vector<int>& rods);
    enum class Digits { Shown, Hidden };
    // The row to highlight and its reading, or none.
    void setRow(const RowReading* row, Digits diagonalDigits = Digits::Shown);
    // The diagonal of the row to mark, from the right, or none.
    void setMarkedDiagonal(std::optional<std::size_t> fromRight);

    // Where a point in board twips lands in the widget, at its current size.
    [[nodiscard]] QPointF toWidget(double xTwips, double yTwips) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Which part of the rods to draw: all of them, or one row, and within it
    // only what stands between two x positions (board twips).
    struct Part {
        std::optional<int> rowTop;
        double left = -1e9;
        double right = 1e9;
    };
    // The lines, and the digits in the given colour, of that part.
    void drawRods(QPainter& painter, QPalette::ColorRole digits, const Part& part) const;
    // The middle of the digit under diagonal j from the right, in board twips.
    [[nodiscard]] QPointF diagonalDigitPlace(int fromRight) const;
    // The two halves that meet on diagonal j of the lit row, in the widget.
    [[nodiscard]] QPainterPath diagonalHalves(std::size_t fromRight) const;
    void drawDiagonalDigits(QPainter& painter) const;
    void describe();
    void updateRow();
    // Where the lit row ends, in board twips; the band of its diagonals'
    // digits starts there.
    [[nodiscard]] int litRowBottom() const;
    [[nodiscard]] QRectF extent() const;
    [[nodiscard]] double scale() const;

    std::vector<int> rods_;
    BoardSketch sketch_;
    std::optional<RowReading> row_;
    Digits digits_ = Digits::Shown;
    std::optional<std::size_t> marked_;
    QPixmap cache_; // the rods and their digits, unlit
};

} // namespace rods
