#pragma once

#include "board/controls.h"

#include <QFrame>
#include <QLineF>
#include <QPointF>

#include <vector>

namespace rods {

// The board: a sunken drawing surface that keeps every line drawn on it, in
// twips from its inner top-left corner, and paints them again whenever it is
// uncovered. Painting only reads the stored lines.
class BoardSurface : public QFrame, public DrawingSurface {
    Q_OBJECT

public:
    explicit BoardSurface(QWidget* parent = nullptr);

    void line(float x1, float y1, float x2, float y2) override;
    void lineTo(float x2, float y2) override;
    void cls() override;

    [[nodiscard]] const std::vector<QLineF>& lines() const { return lines_; }
    // Where a point given in twips lands, in the widget's own pixels.
    [[nodiscard]] QPoint toPixels(double xTwips, double yTwips) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QLineF> lines_;
    QPointF current_;
};

} // namespace rods
