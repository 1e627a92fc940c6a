#pragma once

#include "board/board_sketch.h"
#include "core/reading.h"

#include <QPixmap>
#include <QWidget>

#include <optional>

class QPainter;

namespace rods {

// The rods of a product and the index rod, drawn as on the board and scaled
// to fit. The row being read is highlighted across every rod and the index
// rod, and under the rods stands the digit each of its diagonals gives, each
// under the gap its diagonal ends in. Colours come from the palette.
class RodsPicture : public QWidget {
    Q_OBJECT

public:
    explicit RodsPicture(QWidget* parent = nullptr);

    // The rods to draw; no rods draws nothing.
    void setRods(const std::vector<int>& rods);
    // The row to highlight and its reading, or none.
    void setRow(const RowReading* row);

    // Where a point in board twips lands in the widget, at its current size.
    [[nodiscard]] QPointF toWidget(double xTwips, double yTwips) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The lines, and the digits in the given colour: all of them, or only
    // those of the row whose top is given.
    void drawRods(QPainter& painter, QPalette::ColorRole digits, std::optional<int> onlyRowTop) const;
    // The middle of the digit under diagonal j from the right, in board twips.
    [[nodiscard]] QPointF diagonalDigitPlace(int fromRight) const;
    void describe();
    void updateRow();
    [[nodiscard]] QRectF extent() const;
    [[nodiscard]] double scale() const;

    std::vector<int> rods_;
    BoardSketch sketch_;
    std::optional<RowReading> row_;
    QPixmap cache_; // the rods and their digits, unlit
};

} // namespace rods
