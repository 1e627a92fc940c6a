#include "working_window/rods_picture.h"

#include "board/geometry.h"
#include "drawings/screen_words.h"
#include "tutor/multiplication/answer_hints.h"

#include <QEvent>
#include <QPainter>

namespace rods {
namespace {

// Items one after the other, as the language lists them.
QString listed(const QStringList& items)
{
    QString text = items.value(0);
    for (qsizetype i = 1; i < items.size(); ++i) {
        // TRANSLATORS: one more item after the list so far: "3, 0", then "3, 0, 7".
        text = uiText("List", "%1, %2").arg(text, items[i]);
    }
    return text;
}

} // namespace

RodsPicture::RodsPicture(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("RodsPicture");
    setAccessibleName(uiText("RodsPicture", "Rods"));
    // Rods and numbers read left to right in every language.
    setLayoutDirection(Qt::LeftToRight);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMinimumSize(240, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void RodsPicture::setRods(const std::vector<int>& rods)
{
    drawing_.setRods(rods);
    drawing_.fitInto(rect());
    cache_ = QPixmap();
    describe();
    update();
}

void RodsPicture::setRow(const RowReading* row, Digits diagonalDigits)
{
    updateRow(); // where the old row was lit
    drawing_.setRow(row, diagonalDigits == Digits::Hidden);
    describe();
    updateRow();
}

void RodsPicture::setMarkedDiagonal(std::optional<std::size_t> fromRight)
{
    const auto before = drawing_.markedDiagonal();
    drawing_.setMarkedDiagonal(fromRight);
    if (drawing_.markedDiagonal() == before)
        return;
    describe();
    updateRow();
}

void RodsPicture::updateRow()
{
    if (!drawing_.row())
        return;
    // The lit row, and below it its band and the rows that make room for it.
    const int top = static_cast<int>(toWidget(0, BoardTop + RowHeight * drawing_.row()->digit).y());
    update(QRect(0, top - 2, width(), height() - top + 2));
}

QPointF RodsPicture::toWidget(double xTwips, double yTwips) const { return drawing_.toDevice(xTwips, yTwips); }

DrawingLook RodsPicture::look() const { return {palette(), font(), 1.0, devicePixelRatioF(), true}; }

void RodsPicture::paintEvent(QPaintEvent*)
{
    if (drawing_.rods().empty())
        return;
    const DrawingLook look = this->look();
    QPainter painter(this);
    // A painter takes the application's direction, not the widget's: the
    // rods' digits would be aligned from the right under a right-to-left
    // desktop and drawn out of their cells.
    painter.setLayoutDirection(Qt::LeftToRight);
    const qreal ratio = devicePixelRatioF();
    if (cache_.size() != size() * ratio) {
        cache_ = QPixmap(size() * ratio);
        cache_.setDevicePixelRatio(ratio);
        cache_.fill(Qt::transparent);
        QPainter rods(&cache_);
        rods.setLayoutDirection(Qt::LeftToRight);
        rods.setRenderHint(QPainter::Antialiasing);
        drawing_.drawRods(rods, look, QPalette::Text, {});
    }
    if (!drawing_.row()) {
        painter.drawPixmap(0, 0, cache_);
        return;
    }
    // The rods down to the lit row's bottom as they stand, the rest a band
    // lower; then the row lit on top.
    const double split = drawing_.splitY();
    const double band = drawing_.bandHeight();
    const double w = width();
    painter.drawPixmap(QRectF(0, 0, w, split), cache_, QRectF(0, 0, w * ratio, split * ratio));
    painter.drawPixmap(QRectF(0, split + band, w, height() - split - band), cache_,
                       QRectF(0, split * ratio, w * ratio, (height() - split - band) * ratio));
    drawing_.drawLitRow(painter, look);
}

void RodsPicture::resizeEvent(QResizeEvent*)
{
    drawing_.fitInto(rect());
    cache_ = QPixmap();
}

void RodsPicture::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        cache_ = QPixmap();
    QWidget::changeEvent(event);
}

void RodsPicture::describe()
{
    if (drawing_.rods().empty()) {
        setAccessibleDescription(uiText("RodsPicture", "No rods."));
        return;
    }
    QStringList rods;
    for (int rod : drawing_.rods())
        rods << QString::number(rod);
    // Whole sentences, one after the other.
    QStringList said;
    // TRANSLATORS: %1 lists the rods' digits, such as "3, 0, 7".
    said << uiText("RodsPicture", "The rods %1 and the index rod.").arg(listed(rods));
    if (!drawing_.row()) {
        said << uiText("RodsPicture", "No row is highlighted.");
        setAccessibleDescription(said.join(' '));
        return;
    }
    QStringList cells;
    for (const Cell& cell : drawing_.row()->cells) {
        // TRANSLATORS: a cell of a rod: %1 is its tens, %2 its units.
        cells << uiText("RodsPicture", "%1 and %2").arg(cell.tens).arg(cell.units);
    }
    // TRANSLATORS: %1 is the row's number, 1 to 9; %2 lists its cells.
    said << uiText("RodsPicture", "Row %1 is highlighted; its cells, tens and units: %2.")
                .arg(QString::number(drawing_.row()->digit), listed(cells));
    if (const auto marked = drawing_.markedDiagonal()) {
        const QString diagonal = QString::fromStdString(placeInWords(PlaceKind::Diagonal, *marked));
        // TRANSLATORS: %1 names the diagonal: "The second diagonal from the right".
        said << uiText("RodsPicture", "%1 is marked.").arg(diagonal);
    }
    if (drawing_.digitsHidden()) {
        said << uiText("RodsPicture", "The digits its diagonals give are yours to work out.");
        setAccessibleDescription(said.join(' '));
        return;
    }
    QStringList digits;
    for (std::size_t j = 0; j < drawing_.row()->diagonals.size(); ++j)
        if (drawing_.row()->writes(j))
            digits << QString::number(drawing_.row()->diagonals[j].digit());
    // TRANSLATORS: %1 lists the digits, such as "4, 1, 2".
    said << uiText("RodsPicture", "Its diagonals give, from the right: %1.").arg(listed(digits));
    setAccessibleDescription(said.join(' '));
}

} // namespace rods
