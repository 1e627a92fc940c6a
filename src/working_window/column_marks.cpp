#include "working_window/column_marks.h"

#include "drawings/figures.h"

#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace rods {

ColumnMarks::ColumnMarks(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("LongMultiplication");
    // Figures are written left to right in every language.
    setLayoutDirection(Qt::LeftToRight);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void ColumnMarks::setLines(const QStringList& lines)
{
    if (lines == lines_)
        return;
    // A step adds lines to the ones before: those are laid out already.
    const auto kept = static_cast<std::size_t>(
        std::mismatch(lines.begin(), lines.end(), lines_.begin(), lines_.end()).first - lines.begin());
    lines_ = lines;
    laidOut_.resize(std::min(kept, laidOut_.size()));
    prepare();
    // Screen readers read the figures as they stand.
    setAccessibleName(text());
    update();
}

void ColumnMarks::prepare()
{
    for (auto i = static_cast<qsizetype>(laidOut_.size()); i < lines_.size(); ++i) {
        QStaticText laid(lines_[i]);
        laid.prepare(QTransform(), font());
        laidOut_.push_back(laid);
    }
}

void ColumnMarks::fitTo(const QStringList& lines)
{
    const QFontMetricsF metrics(font());
    double widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    setFixedSize(static_cast<int>(std::ceil(widest)) + 8,
                 static_cast<int>(std::ceil(metrics.lineSpacing() * double(lines.size()))) + 8);
}

int ColumnMarks::lineBottom(int line) const
{
    return 4 + static_cast<int>(std::ceil(QFontMetricsF(font()).lineSpacing() * (line + 1)));
}

void ColumnMarks::setMarkedColumn(std::optional<int> column, const std::vector<int>& lines)
{
    if (column == column_ && lines == marked_)
        return;
    column_ = column;
    marked_ = lines;
    update();
}

void ColumnMarks::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        laidOut_.clear();
        prepare();
    }
    QWidget::changeEvent(event);
}

void ColumnMarks::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFigures(painter, QRectF(rect()).adjusted(4, 4, -4, -4), font(), laidOut_, palette(), column_, marked_);
}

} // namespace rods
