#include "tutor/ui/column_marks.h"

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
    setFixedWidth(static_cast<int>(std::ceil(widest)) + 8);
    setMinimumHeight(static_cast<int>(std::ceil(metrics.lineSpacing() * double(lines.size()))) + 8);
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
    painter.setLayoutDirection(Qt::LeftToRight);
    const QFontMetricsF metrics(font());
    const double right = width() - 4.0;
    const double top = 4.0;
    if (column_) {
        // Right-aligned in a fixed-width font: a column stands as many
        // characters from every line's right end.
        const double character = metrics.horizontalAdvance(QLatin1Char('0'));
        const double left = right - (*column_ + 1) * character;
        for (int line : marked_)
            painter.fillRect(QRectF(left, top + line * metrics.lineSpacing(), character, metrics.lineSpacing()),
                             palette().color(QPalette::Highlight));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    for (std::size_t i = 0; i < laidOut_.size(); ++i)
        painter.drawStaticText(
            QPointF(right - laidOut_[i].size().width(), top + static_cast<double>(i) * metrics.lineSpacing()),
            laidOut_[i]);
}

} // namespace rods
