#include "paper/working_room.h"

#include <QPainter>

#include <algorithm>

namespace rods {
namespace {

constexpr double Square = 5.0;      // millimetres, as on a school's squared paper
constexpr double LatticeCell = 9.0; // room for two handwritten digits split by a diagonal
constexpr double LatticeMargin = 6.0;
constexpr int FewestColumns = 4;

int digitCount(std::uint64_t number) { return static_cast<int>(std::to_string(number).size()); }

} // namespace

WorkingRoom::WorkingRoom(const WorksheetProblem& problem, WorksheetLook::Room room)
    : problem_(problem)
    , lattice_(room == WorksheetLook::Room::Lattice && problem.problem.operation == Operation::Multiply)
{
    const int rods = static_cast<int>(problem.problem.rods.size());
    const int number = digitCount(problem.problem.number);
    if (lattice_) {
        columns_ = rods;
        rows_ = number;
    } else if (problem.problem.operation == Operation::Multiply) {
        // The sign's square and the product's digits; the two numbers, then
        // a line for each row and the sum.
        columns_ = std::max(FewestColumns, 1 + rods + number);
        rows_ = 2 + problem.workingLines;
    } else {
        // The divisor, the bracket's square and the dividend; the quotient
        // and the dividend, then what is taken away and left at each step.
        columns_ = rods + 1 + number;
        rows_ = 2 + problem.workingLines;
    }
}

QSizeF WorkingRoom::size() const
{
    if (lattice_)
        return {2 * LatticeMargin + columns_ * LatticeCell, 2 * LatticeMargin + rows_ * LatticeCell};
    return {columns_ * Square, rows_ * Square};
}

void WorkingRoom::draw(QPainter& painter, QPointF topLeft, double unitsPerMillimetre, const QFont& figures) const
{
    painter.save();
    painter.setFont(figures);
    if (lattice_)
        drawLattice(painter, topLeft, unitsPerMillimetre, figures);
    else
        drawSquares(painter, topLeft, unitsPerMillimetre, figures);
    painter.restore();
}

void WorkingRoom::drawSquares(QPainter& painter, QPointF topLeft, double unitsPerMillimetre, const QFont&) const
{
    auto at = [&topLeft, unitsPerMillimetre](double column, double row) {
        return topLeft + QPointF(column * Square * unitsPerMillimetre, row * Square * unitsPerMillimetre);
    };
    auto write = [&painter, &at](int column, int row, const QString& text) {
        painter.drawText(QRectF(at(column, row), at(column + 1, row + 1)), Qt::AlignCenter, text);
    };
    // Writes a number one digit a square, its last digit in `lastColumn`.
    auto number = [&write](const QString& digits, int lastColumn, int row) {
        for (int i = 0; i < digits.size(); ++i)
            write(lastColumn - static_cast<int>(digits.size()) + 1 + i, row, digits.mid(i, 1));
    };
    painter.setPen(QPen(QColor(0xa8, 0xa8, 0xa8), 0.15 * unitsPerMillimetre));
    for (int column = 0; column <= columns_; ++column)
        painter.drawLine(QLineF(at(column, 0), at(column, rows_)));
    for (int row = 0; row <= rows_; ++row)
        painter.drawLine(QLineF(at(0, row), at(columns_, row)));

    const QPen heavy(Qt::black, 0.35 * unitsPerMillimetre);
    const QString rods = QString::number(rodsNumber(problem_.problem.rods));
    const QString other = QString::number(problem_.problem.number);
    painter.setPen(Qt::black);
    if (problem_.problem.operation == Operation::Multiply) {
        number(rods, columns_ - 1, 0);
        write(0, 1, "\u00d7");
        number(other, columns_ - 1, 1);
        painter.setPen(heavy);
        painter.drawLine(QLineF(at(0, 2), at(columns_, 2)));
        // The sum's line under the rows, when there are rows to add.
        if (problem_.workingLines > 2)
            painter.drawLine(QLineF(at(0, rows_ - 1), at(columns_, rows_ - 1)));
        return;
    }
    const int bracket = static_cast<int>(rods.size());
    number(rods, bracket - 1, 1);
    number(other, columns_ - 1, 1);
    painter.setPen(heavy);
    painter.drawLine(QLineF(at(bracket + 0.5, 1), at(columns_, 1)));
    const QPointF top = at(bracket, 1);
    const QPointF bottom = at(bracket + 0.5, 2);
    // The bracket: a curve bowing right from the line over the dividend
    // down beside its first digit.
    painter.drawArc(QRectF(QPointF(top.x() - (bottom.x() - top.x()), top.y()), bottom), -80 * 16, 170 * 16);
}

void WorkingRoom::drawLattice(QPainter& painter, QPointF topLeft, double unitsPerMillimetre, const QFont&) const
{
    auto at = [&topLeft, unitsPerMillimetre](double x, double y) {
        return topLeft + QPointF(x * unitsPerMillimetre, y * unitsPerMillimetre);
    };
    const double left = LatticeMargin;
    const double top = LatticeMargin;
    const double right = left + columns_ * LatticeCell;
    const double bottom = top + rows_ * LatticeCell;
    const QString rods = QString::number(rodsNumber(problem_.problem.rods));
    const QString other = QString::number(problem_.problem.number);
    painter.setPen(Qt::black);
    // The rods' digits over their columns, the multiplicand's beside its
    // rows, top down.
    for (int column = 0; column < columns_ && column < rods.size(); ++column)
        painter.drawText(QRectF(at(left + column * LatticeCell, 0), at(left + (column + 1) * LatticeCell, top)),
                         Qt::AlignCenter, rods.mid(column, 1));
    for (int row = 0; row < rows_ && row < other.size(); ++row)
        painter.drawText(
            QRectF(at(right, top + row * LatticeCell), at(right + LatticeMargin, top + (row + 1) * LatticeCell)),
            Qt::AlignCenter, other.mid(row, 1));
    painter.setPen(QPen(Qt::black, 0.3 * unitsPerMillimetre));
    for (int column = 0; column <= columns_; ++column)
        painter.drawLine(QLineF(at(left + column * LatticeCell, top), at(left + column * LatticeCell, bottom)));
    for (int row = 0; row <= rows_; ++row)
        painter.drawLine(QLineF(at(left, top + row * LatticeCell), at(right, top + row * LatticeCell)));
    // Each cell's diagonal from its bottom-left to its top-right corner; the
    // diagonals that leave the lattice on the left or at the bottom run on
    // into the margin, where their digits are written.
    painter.setPen(QPen(Qt::black, 0.15 * unitsPerMillimetre));
    for (int column = 0; column < columns_; ++column)
        for (int row = 0; row < rows_; ++row) {
            const double x = left + column * LatticeCell;
            const double y = top + (row + 1) * LatticeCell;
            const bool edge = column == 0 || row + 1 == rows_;
            const double run = edge ? LatticeMargin * 0.8 : 0.0;
            painter.drawLine(QLineF(at(x - run, y + run), at(x + LatticeCell, y - LatticeCell)));
        }
}

} // namespace rods
