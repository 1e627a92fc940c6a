#include "tutor/ui/rods_picture.h"

#include "board/geometry.h"
#include "core/board_state.h"
#include "tutor/answer_hints.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace rods {
namespace {

// A pen of the given width in logical pixels, drawn as a cosmetic pen: the
// painter then draws thin lines directly instead of stroking them as shapes,
// which is many times quicker for the board's hundreds of lines.
QPen thinPen(const QColor& colour, double width, double devicePixelRatio)
{
    QPen pen(colour, width * devicePixelRatio);
    pen.setCosmetic(true);
    return pen;
}

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

RodsPicture::RodsPicture(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("RodsPicture");
    setAccessibleName("Rods");
    // Rods and numbers read left to right in every language.
    setLayoutDirection(Qt::LeftToRight);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMinimumSize(240, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void RodsPicture::setRods(const std::vector<int>& rods)
{
    rods_ = rods;
    BoardState board;
    for (int digit : rods)
        board.placeRod(digit);
    sketch_ = rods.empty() ? BoardSketch() : sketchRods(board);
    cache_ = QPixmap();
    row_.reset();
    describe();
    update();
}

void RodsPicture::setRow(const RowReading* row, Digits diagonalDigits)
{
    updateRow(); // where the old row was lit
    if (row != nullptr && row->digit != 0)
        row_ = *row;
    else
        row_.reset();
    digits_ = diagonalDigits;
    marked_.reset();
    describe();
    updateRow();
}

void RodsPicture::setMarkedDiagonal(std::optional<std::size_t> fromRight)
{
    if (!row_ || (fromRight && *fromRight >= row_->diagonals.size()))
        fromRight.reset();
    if (fromRight == marked_)
        return;
    marked_ = fromRight;
    describe();
    updateRow();
}

QPainterPath RodsPicture::diagonalHalves(std::size_t fromRight) const
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
            QPolygonF{toWidget(frame.left, bottom), toWidget(frame.right, top), toWidget(frame.right, bottom)});
        halves.closeSubpath();
    }
    if (left + 1 <= rodCount) {
        const RodFrame frame = rodFrame(left);
        halves.addPolygon(
            QPolygonF{toWidget(frame.left, top), toWidget(frame.right, top), toWidget(frame.left, bottom)});
        halves.closeSubpath();
    }
    return halves;
}

void RodsPicture::updateRow()
{
    if (!row_)
        return;
    // The lit row, and below it its band and the rows that make room for it.
    const int top = static_cast<int>(toWidget(0, BoardTop + RowHeight * row_->digit).y());
    update(QRect(0, top - 2, width(), height() - top + 2));
}

int RodsPicture::litRowBottom() const { return BoardTop + RowHeight * (row_->digit + 1); }

QRectF RodsPicture::extent() const
{
    const int slots = static_cast<int>(rods_.size()) + 1; // the rods and the index rod
    return QRectF(QPointF(-LeftRoom, BoardTop - Margin),
                  QPointF(rodFrame(slots - 1).right + Margin, BoardTop + RodHeight + DigitBand + Margin));
}

double RodsPicture::scale() const
{
    const QRectF area = extent();
    return std::min(width() / area.width(), height() / area.height());
}

QPointF RodsPicture::toWidget(double xTwips, double yTwips) const
{
    const QRectF area = extent();
    const double s = scale();
    // Centred in the widget.
    const QPointF offset((width() - area.width() * s) / 2, (height() - area.height() * s) / 2);
    return offset + QPointF((xTwips - area.left()) * s, (yTwips - area.top()) * s);
}

QPointF RodsPicture::diagonalDigitPlace(int fromRight) const
{
    // Diagonal j ends in the gap left of slot n - j: between the units half
    // of one rod and the tens half of the next.
    const int slot = static_cast<int>(rods_.size()) - fromRight;
    return QPointF(RodPitch * slot - (RodPitch - RodWidth) / 2.0, litRowBottom() + DigitBand / 2.0);
}

void RodsPicture::paintEvent(QPaintEvent*)
{
    if (rods_.empty())
        return;
    QPainter painter(this);
    // A painter takes the application's direction, not the widget's: the
    // rods' digits would be aligned from the right under a right-to-left
    // desktop and drawn out of their cells.
    painter.setLayoutDirection(Qt::LeftToRight);
    const qreal ratio = devicePixelRatioF();
    if (cache_.size() != size() * ratio) {
        // The rods change only with the product; steps only light a row.
        cache_ = QPixmap(size() * ratio);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(Qt::transparent);
        QPainter rods(&cache_);
        rods.setLayoutDirection(Qt::LeftToRight);
        rods.setRenderHint(QPainter::Antialiasing);
        drawRods(rods, QPalette::Text, {});
    }
    if (!row_) {
        painter.drawPixmap(0, 0, cache_);
        return;
    }
    // The rods down to the lit row's bottom as they stand, the rest a band
    // lower, and the rods' sides carried through the band.
    const double split = toWidget(0, litRowBottom()).y();
    const double band = toWidget(0, litRowBottom() + DigitBand).y() - split;
    const double w = width();
    painter.drawPixmap(QRectF(0, 0, w, split), cache_, QRectF(0, 0, w * ratio, split * ratio));
    painter.drawPixmap(QRectF(0, split + band, w, height() - split - band), cache_,
                       QRectF(0, split * ratio, w * ratio, (height() - split - band) * ratio));
    painter.setPen(thinPen(palette().color(QPalette::Text), std::max(1.0, scale() * TwipsPerPixel), ratio));
    for (std::size_t slot = 0; slot <= rods_.size(); ++slot) {
        const RodFrame frame = rodFrame(static_cast<int>(slot));
        for (const int x : {frame.left, frame.right})
            painter.drawLine(QLineF(toWidget(x, litRowBottom()), toWidget(x, litRowBottom() + DigitBand)));
    }

    // The row read: its cells lit, and their lines and digits drawn again on
    // top of the light.
    painter.setRenderHint(QPainter::Antialiasing);
    const int rowTop = BoardTop + RowHeight * row_->digit;
    for (std::size_t slot = 0; slot <= rods_.size(); ++slot) {
        const RodFrame frame = rodFrame(static_cast<int>(slot));
        painter.fillRect(QRectF(toWidget(frame.left, rowTop), toWidget(frame.right, rowTop + RowHeight)),
                         palette().color(QPalette::Highlight));
    }
    drawRods(painter, QPalette::HighlightedText, {rowTop});

    if (marked_) {
        // The marked diagonal's halves stand out of the light, in the
        // picture's own colours, with their digits.
        const QPainterPath halves = diagonalHalves(*marked_);
        painter.fillPath(halves, palette().color(QPalette::Base));
        painter.setClipPath(halves);
        // Only the two cells the halves lie in.
        const int left = static_cast<int>(rods_.size() - *marked_);
        drawRods(painter, QPalette::Text,
                 {rowTop, static_cast<double>(rodFrame(left - 1).left), static_cast<double>(rodFrame(left).right)});
        painter.setClipping(false);
        painter.setPen(
            thinPen(palette().color(QPalette::Text), std::max(2.0, scale() * TwipsPerPixel * 3), devicePixelRatioF()));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(halves);
    }
    drawDiagonalDigits(painter);
}

void RodsPicture::drawDiagonalDigits(QPainter& painter) const
{
    const double s = scale();
    const QPalette& colours = palette();
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(DigitPoints * TwipsPerPoint * s)));
    painter.setFont(font);
    const double half = RowHeight * 0.45;
    const QPen ring =
        thinPen(colours.color(QPalette::Highlight), std::max(1.0, s * TwipsPerPixel * 2), devicePixelRatioF());
    for (std::size_t j = 0; j < row_->diagonals.size(); ++j) {
        if (!row_->writes(j))
            continue;
        const QPointF middle = diagonalDigitPlace(static_cast<int>(j));
        const QRectF disc(toWidget(middle.x() - half, middle.y() - half),
                          toWidget(middle.x() + half, middle.y() + half));
        if (digits_ == Digits::Hidden) {
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

void RodsPicture::drawRods(QPainter& painter, QPalette::ColorRole digits, const Part& part) const
{
    const double s = scale();
    painter.setPen(thinPen(palette().color(QPalette::Text), std::max(1.0, s * TwipsPerPixel), devicePixelRatioF()));
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
            painter.drawLine(QLineF(toWidget(line.x1, line.y1), toWidget(line.x2, line.y2)));

    painter.setPen(palette().color(digits));
    for (const BoardSketch::Label* label : sketch_.shownLabels()) {
        if (part.rowTop && (label->top < *part.rowTop || label->top >= *part.rowTop + RowHeight))
            continue;
        if (!within(label->left, label->left))
            continue;
        QFont font = this->font();
        font.setBold(label->bold);
        font.setPixelSize(std::max(1, static_cast<int>(label->points * TwipsPerPoint * s)));
        if (font != painter.font())
            painter.setFont(font);
        painter.drawText(QRectF(toWidget(label->left, label->top), QSizeF(width(), height())),
                         Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(label->caption));
    }
}

void RodsPicture::resizeEvent(QResizeEvent*) { cache_ = QPixmap(); }

void RodsPicture::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        cache_ = QPixmap();
    QWidget::changeEvent(event);
}

void RodsPicture::describe()
{
    QString rods;
    for (std::size_t i = 0; i < rods_.size(); ++i)
        rods += (i ? ", " : "") + QString::number(rods_[i]);
    if (rods_.empty()) {
        setAccessibleDescription("No rods.");
        return;
    }
    QString text = QString("The rods %1 and the index rod.").arg(rods);
    if (!row_) {
        setAccessibleDescription(text + " No row is highlighted.");
        return;
    }
    QStringList cells;
    for (const Cell& cell : row_->cells)
        cells << QString("%1 and %2").arg(cell.tens).arg(cell.units);
    text += QString(" Row %1 is highlighted; its cells, tens and units: %2.").arg(row_->digit).arg(cells.join(", "));
    if (marked_)
        text += QString(" %1 is marked.").arg(QString::fromStdString(placeInWords(PlaceKind::Diagonal, *marked_)));
    if (digits_ == Digits::Hidden) {
        setAccessibleDescription(text + " The digits its diagonals give are yours to work out.");
        return;
    }
    QStringList digits;
    for (std::size_t j = 0; j < row_->diagonals.size(); ++j)
        if (row_->writes(j))
            digits << QString::number(row_->diagonals[j].digit());
    setAccessibleDescription(text + " Its diagonals give, from the right: " + digits.join(", ") + ".");
}

} // namespace rods
