#include "drawings/rods_chart.h"

#include "core/board_state.h"

#include <QFontMetricsF>
#include <QPainter>

namespace rods {
namespace {

// In millimetres. A digit of 10.5 points is about 2.2 mm wide and 2.7 mm
// high: set 0.5 mm in from its corner, it ends short of the diagonal of a
// cell 6.2 mm square (2.7 / 6.2 + 3.2 / 6.2 < 1).
constexpr double CellWidth = 6.2;
constexpr double CellHeight = 6.2;
constexpr double HeaderHeight = 6.0;
constexpr double IndexWidth = 5.0;
constexpr int Rows = 9;

} // namespace

RodsChart::RodsChart(std::vector<int> rods)
    : rods_(std::move(rods))
{
}

QSizeF RodsChart::size() const
{
    return {static_cast<double>(rods_.size()) * CellWidth + IndexWidth, HeaderHeight + Rows * CellHeight};
}

void RodsChart::draw(QPainter& painter, QPointF topLeft, double unitsPerMillimetre, const QFont& digits) const
{
    BoardState board;
    for (int digit : rods_)
        board.placeRod(digit);
    const RodTable& table = board.table();
    auto at = [&topLeft, unitsPerMillimetre](double x, double y) {
        return topLeft + QPointF(x * unitsPerMillimetre, y * unitsPerMillimetre);
    };
    auto box = [&at](double x, double y, double width, double height) {
        return QRectF(at(x, y), at(x + width, y + height));
    };
    painter.save();
    painter.setFont(digits);
    const QFontMetricsF metrics(digits, painter.device());
    const double cap = metrics.capHeight();
    const QPen thin(Qt::black, 0.15 * unitsPerMillimetre);
    const QPen frame(Qt::black, 0.35 * unitsPerMillimetre);
    const double bottom = HeaderHeight + Rows * CellHeight;
    for (std::size_t slot = 0; slot < rods_.size(); ++slot) {
        const double left = static_cast<double>(slot) * CellWidth;
        const int rod = static_cast<int>(slot) + 1;
        painter.setPen(Qt::black);
        painter.drawText(box(left, 0, CellWidth, HeaderHeight), Qt::AlignCenter,
                         QString::number(table.at(rod, 1, Plane::Digit)));
        for (int row = 1; row <= Rows; ++row) {
            const double top = HeaderHeight + (row - 1) * CellHeight;
            painter.setPen(thin);
            // The diagonal runs from the cell's bottom-left to its top-right.
            painter.drawLine(QLineF(at(left, top + CellHeight), at(left + CellWidth, top)));
            if (row > 1)
                painter.drawLine(QLineF(at(left, top), at(left + CellWidth, top)));
            painter.setPen(Qt::black);
            // Each digit 0.4 mm in from its corner of the cell, by its ink:
            // the tens at the top left, the units at the bottom right.
            const QString tens = QString::number(table.at(rod, row, Plane::Tens));
            const QString units = QString::number(table.at(rod, row, Plane::Units));
            painter.drawText(at(left + 0.4, top + 0.4) + QPointF(-metrics.leftBearing(tens.front()), cap), tens);
            painter.drawText(at(left + CellWidth - 0.4, top + CellHeight - 0.4)
                                 - QPointF(metrics.horizontalAdvance(units) - metrics.rightBearing(units.front()), 0),
                             units);
        }
        painter.setPen(frame);
        painter.drawRect(box(left, 0, CellWidth, bottom));
        painter.drawLine(QLineF(at(left, HeaderHeight), at(left + CellWidth, HeaderHeight)));
    }
    // The index rod: the row numbers, one to a row.
    const double index = static_cast<double>(rods_.size()) * CellWidth;
    for (int row = 1; row <= Rows; ++row) {
        painter.setPen(Qt::black);
        painter.drawText(box(index, HeaderHeight + (row - 1) * CellHeight, IndexWidth, CellHeight), Qt::AlignCenter,
                         QString::number(row));
    }
    painter.setPen(frame);
    painter.drawRect(box(index, HeaderHeight, IndexWidth, Rows * CellHeight));
    painter.restore();
}

} // namespace rods
