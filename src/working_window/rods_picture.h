#pragma once

#include "drawings/rods_drawing.h"
#include "tutor/multiplication/reading.h"

#include <QPixmap>
#include <QWidget>

#include <optional>

namespace rods {

// The rods of a product and the index rod with the row being read, drawn by
// the tutor's one drawing of them, scaled to fit. Colours come from the
// palette. The rods change only with the product, so they are drawn once
// into a picture that each step copies, lighting its row on top.
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
    void describe();
    void updateRow();
    [[nodiscard]] DrawingLook look() const;

    RodsDrawing drawing_;
    QPixmap cache_; // the rods and their digits, unlit
};

} // namespace rods
