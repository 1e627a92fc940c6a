#include "drawings/rods_drawing.h"

#include "board/geometry.h"
#include "core/board_state.h"

#include <QPainter>

#include <algorithm>

namespace rods {
namespace {

// Under the lit row, a band one cell high for the digits its diagonals give:
// the rows below make room for it, so that the eye goes straight from each
// diagonal to its digit.
constexpr int DigitBand = RowHeight;
constexpr int Margin = 100;
// Room left of the first rod for the digit of the leftmost diagonal.
constexpr int LeftRoom = 400;
// One point is 20 twips.
constexpr double TwipsPerPoint = 20.0;
constexpr int DigitPoints = 14;

} // namespace

void RodsDrawing::setRods(const std::vector<int>& rods)
{
    rods_ = rods;
    BoardState board;
    for (int digit : rods)
        board.placeRod(digit);
    sketch_ = rods.empty() ? BoardSketch() : sketchRods(board);
    row_.reset();
    marked_.reset();
}

void RodsDrawing::setRow(const RowReading* row, bool digitsHidden)
{
    if (row != nullptr && row->digit != 0)
        row_ = *row;
    else
        row_.reset();
    digitsHidden_ = digitsHidden;
    marked_.reset();
}

void RodsDrawing::setMarkedDiagonal(std::optional<std::size_t> fromRight)
{
    if (!row_ || (fromRight && *fromRight >= row_->diagonals.size()))
        fromRight.reset();
    marked_ = fromRight;
}

QRectF RodsDrawing::extent() const
{
    const int slots = static_cast<int>(rods_.size()) + 1; // the rods and the index rod
    return QRectF(QPointF(-LeftRoom, BoardTop - Margin),
                  QPointF(rodFrame(slots - 1).right + Margin, BoardTop + RodHeight + DigitBand + Margin));
}

void RodsDrawing::fitInto(const QRectF& area)
{
    const QRectF whole = extent();
    const double s = std::min(area.width() / whole.width(), area.height() / whole.height());
    place(area.topLeft() + QPointF((area.width() - whole.width() * s) / 2, (area.height() - whole.height() * s) / 2),
          whole.left(), whole.top(), s);
}

void RodsDrawing::place(QPointF origin, double twipsX, double twipsY, double scale)
{
    origin_ = origin;
    twipsOrigin_ = QPointF(twipsX, twipsY);
    scale_ = scale;
    const QRectF whole = extent();
    area_ = QRectF(origin, QSizeF(whole.width() * scale, whole.height() * scale));
}

QPointF RodsDrawing::toDevice(double xTwips, double yTwips) const
{
    return origin_ + QPointF((xTwips - twipsOrigin_.x()) * scale_, (yTwips - twipsOrigin_.y()) * scale_);
}

QPen RodsDrawing::line(const DrawingLook& look, const QColor& colour, double boardPixels) const
{
    // At least a hairline for every board pixel asked, or more where the
    // picture is large. A cosmetic pen draws thin lines directly instead of
    // stroking them as shapes, many times quicker for the board's hundreds
    // of lines; paper takes plain pens, which every PDF reader draws alike.
    const double width = std::max(look.hairline * boardPixels, scale_ * TwipsPerPixel * boardPixels);
    if (!look.cosmetic)
        return QPen(colour, width);
    QPen pen(colour, width * look.devicePixelsPerUnit);
    pen.setCosmetic(true);
    return pen;
}

int RodsDrawing::litRowBottom() const { return BoardTop + RowHeight * (row_->digit + 1); }

double RodsDrawing::splitY() const { return row_ ? toDevice(0, litRowBottom()).y() : 0.0; }

double RodsDrawing::bandHeight() const { return row_ ? DigitBand * scale_ : 0.0; }

QPointF RodsDrawing::diagonalDigitPlace(int fromRight) const
{
    // Diagonal j ends in the gap left of slot n - j: between the units half
    // of one rod and the tens half of the next.
    const int slot = static_cast<int>(rods_.size()) - fromRight;
    return QPointF(RodPitch * slot - (RodPitch - RodWidth) / 2.0, litRowBottom() + DigitBand / 2.0);
}

QPainterPath RodsDrawing::diagonalHalves(std::size_t fromRight) const
{
    // Each cell's diagonal runs from its bottom-left to its top-right corner:
    // the units half lies below it, the tens half above. Diagonal j joins the
    // units of rod n - j and the tens of rod n - j + 1 (rods 1 to n).
    const int rodCount = static_cast<int>(rods_.size());
    const int left = rodCount - static_cast<int>(fromRight);
    const double top = BoardTop + RowHeight * row_->digit;
    const double bottom = top + RowHeight;
    QPainterPath halves;
    if (left >= 1) {
        const RodFrame frame = rodFrame(left - 1);
        halves.addPolygon(
            QPolygonF{toDevice(frame.left, bottom), toDevice(frame.right, top), toDevice(frame.right, bottom)});
        halves.closeSubpath();
    }
    if (left + 1 <= rodCount) {
        const RodFrame frame = rodFrame(left);
        halves.addPolygon(
            QPolygonF{toDevice(frame.left, top), toDevice(frame.right, top), toDevice(frame.left, bottom)});
        halves.closeSubpath();
    }
    return halves;
}

void RodsDrawing::draw(QPainter& painter, const DrawingLook& look) const
{
    if (rods_.empty())
        return;
    painter.save();
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!row_) {
        drawRods(painter, look, QPalette::Text, {});
        painter.restore();
        return;
    }
    // The rods down to the lit row's bottom as they stand, the rest a band
    // lower.
    const double split = splitY();
    const QRectF whole(toDevice(extent().left(), extent().top()), toDevice(extent().right(), extent().bottom()));
    painter.save();
    painter.setClipRect(QRectF(whole.left(), whole.top(), whole.width(), split - whole.top()));
    drawRods(painter, look, QPalette::Text, {});
    painter.setClipRect(QRectF(whole.left(), split + bandHeight(), whole.width(), whole.bottom() - split));
    painter.translate(0, bandHeight());
    drawRods(painter, look, QPalette::Text, {});
    painter.restore();
    drawLitRow(painter, look);
    painter.restore();
}

void RodsDrawing::drawLitRow(QPainter& painter, const DrawingLook& look) const
{
    if (!row_)
        return;
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setPen(line(look, look.colours.color(QPalette::Text), 1));
    for (std::size_t slot = 0; slot <= rods_.size(); ++slot) {
        const RodFrame frame = rodFrame(static_cast<int>(slot));
        for (const int x : {frame.left, frame.right})
            painter.drawLine(QLineF(toDevice(x, litRowBottom()), toDevice(x, litRowBottom() + DigitBand)));
    }

    // The row read: its cells lit, and their lines and digits drawn again on
    // top of the light.
    painter.setRenderHint(QPainter::Antialiasing);
    const int rowTop = BoardTop + RowHeight * row_->digit;
    for (std::size_t slot = 0; slot <= rods_.size(); ++slot) {
        const RodFrame frame = rodFrame(static_cast<int>(slot));
        painter.fillRect(QRectF(toDevice(frame.left, rowTop), toDevice(frame.right, rowTop + RowHeight)),
                         look.colours.color(QPalette::Highlight));
    }
    drawRods(painter, look, QPalette::HighlightedText, {rowTop});

    if (marked_) {
        // The marked diagonal's halves stand out of the light, in the
        // picture's own colours, with their digits.
        const QPainterPath halves = diagonalHalves(*marked_);
        painter.fillPath(halves, look.colours.color(QPalette::Base));
        painter.save();
        painter.setClipPath(halves, Qt::IntersectClip);
        // Only the two cells the halves lie in.
        const int left = static_cast<int>(rods_.size() - *marked_);
        drawRods(painter, look, QPalette::Text,
                 {rowTop, static_cast<double>(rodFrame(left - 1).left), static_cast<double>(rodFrame(left).right)});
        painter.restore();
        painter.setPen(line(look, look.colours.color(QPalette::Text), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(halves);
    }
    drawDiagonalDigits(painter, look);
}

void RodsDrawing::drawDiagonalDigits(QPainter& painter, const DrawingLook& look) const
{
    const QPalette& colours = look.colours;
    QFont font = look.font;
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(DigitPoints * TwipsPerPoint * scale_)));
    painter.setFont(font);
    const double half = RowHeight * 0.45;
    const QPen ring = line(look, colours.color(QPalette::Highlight), 2);
    for (std::size_t j = 0; j < row_->diagonals.size(); ++j) {
        if (!row_->writes(j))
            continue;
        const QPointF middle = diagonalDigitPlace(static_cast<int>(j));
        const QRectF disc(toDevice(middle.x() - half, middle.y() - half),
                          toDevice(middle.x() + half, middle.y() + half));
        if (digitsHidden_) {
            // An empty ring for each digit to be worked out; "?" at the
            // marked one.
            painter.setPen(ring);
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(disc);
            if (marked_ == j) {
                painter.setPen(colours.color(QPalette::Text));
                painter.drawText(disc, Qt::AlignCenter, "?");
            }
            continue;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.color(QPalette::Highlight));
        painter.drawEllipse(disc);
        painter.setPen(colours.color(QPalette::HighlightedText));
        painter.drawText(disc, Qt::AlignCenter, QString::number(row_->diagonals[j].digit()));
    }
}

void RodsDrawing::drawRods(QPainter& painter, const DrawingLook& look, QPalette::ColorRole digits,
                           const Part& part) const
{
    painter.setPen(line(look, look.colours.color(QPalette::Text), 1));
    // With a row given: the lines that run through it, cut to it, and the
    // lines along its top and bottom. A long line costs the painter its whole
    // length, even where it is clipped away.
    auto inRow = [&part](BoardSketch::Line& line) {
        if (!part.rowTop)
            return true;
        const auto top = static_cast<float>(*part.rowTop);
        const auto bottom = static_cast<float>(*part.rowTop + RowHeight);
        if (line.y1 == line.y2)
            return line.y1 >= top && line.y1 <= bottom;
        if (std::max(line.y1, line.y2) <= top || std::min(line.y1, line.y2) >= bottom)
            return false;
        if (line.x1 == line.x2) {
            line.y1 = std::clamp(line.y1, top, bottom);
            line.y2 = std::clamp(line.y2, top, bottom);
        }
        return true;
    };
    auto within = [&part](double x1, double x2) {
        return std::max(x1, x2) >= part.left && std::min(x1, x2) <= part.right;
    };
    for (BoardSketch::Line line : sketch_.lines())
        if (within(line.x1, line.x2) && inRow(line))
            painter.drawLine(QLineF(toDevice(line.x1, line.y1), toDevice(line.x2, line.y2)));

    painter.setPen(look.colours.color(digits));
    for (const BoardSketch::Label* label : sketch_.shownLabels()) {
        if (part.rowTop && (label->top < *part.rowTop || label->top >= *part.rowTop + RowHeight))
            continue;
        if (!within(label->left, label->left))
            continue;
        QFont font = look.font;
        font.setBold(label->bold);
        font.setPixelSize(std::max(1, static_cast<int>(label->points * TwipsPerPoint * scale_)));
        if (font != painter.font())
            painter.setFont(font);
        const QPointF at = toDevice(label->left, label->top);
        painter.drawText(QRectF(at, area_.size()), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromStdString(label->caption));
    }
}

} // namespace rods
