#pragma once

#include "paper/paper_files.h"
#include "tutor/problems/worksheet.h"

#include <QFont>
#include <QPointF>
#include <QSizeF>

class QPainter;

namespace rods {

// The room under a worksheet's problem to work it in, its numbers already
// written where a pupil starts: on 5 mm squares, one digit a square, the
// product's numbers right-aligned over a square for each row and the sum,
// or a division's divisor, bracket and dividend with a square for the
// quotient's digits above and a line for each part taken away and each
// part left below; or, for a product, the empty lattice its rods give,
// a cell for each rod and each digit of the multiplicand, split by its
// diagonal, with a margin on the left and below for the digits each
// diagonal adds up to.
class WorkingRoom {
public:
    WorkingRoom(const WorksheetProblem& problem, WorksheetLook::Room room);

    // In millimetres.
    [[nodiscard]] QSizeF size() const;
    // `figures` is a font whose digits fit a square of 5 mm.
    void draw(QPainter& painter, QPointF topLeft, double unitsPerMillimetre, const QFont& figures) const;

private:
    void drawSquares(QPainter& painter, QPointF topLeft, double unitsPerMillimetre, const QFont& figures) const;
    void drawLattice(QPainter& painter, QPointF topLeft, double unitsPerMillimetre, const QFont& figures) const;

    const WorksheetProblem& problem_;
    bool lattice_;
    int columns_ = 0; // squares across, or the lattice's cells
    int rows_ = 0;    // squares down, or the lattice's cells
};

} // namespace rods
