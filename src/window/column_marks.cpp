#include "window/column_marks.h"

#include <QPainter>

namespace rods {

ColumnMarks::ColumnMarks(QWidget* parent)
    : QLabel(parent)
{
    setObjectName("LongMultiplication");
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignRight | Qt::AlignTop);
    // Figures are written left to right in every language.
    setLayoutDirection(Qt::LeftToRight);
}

void ColumnMarks::setMarkedColumn(std::optional<int> column, const std::vector<int>& lines)
{
    if (column == column_ && lines == lines_)
        return;
    column_ = column;
    lines_ = lines;
    update();
}

void ColumnMarks::paintEvent(QPaintEvent* event)
{
    if (column_) {
        // Right-aligned in a fixed-width font: a column stands as many
        // characters from every line's right end.
        QPainter painter(this);
        const QFontMetricsF metrics(font());
        const double width = metrics.horizontalAdvance(QLatin1Char('0'));
        const QRect area = contentsRect();
        const double left = area.right() + 1 - (*column_ + 1) * width;
        for (int line : lines_)
            painter.fillRect(QRectF(left, area.top() + line * metrics.lineSpacing(), width, metrics.lineSpacing()),
                             palette().color(QPalette::Highlight));
    }
    QLabel::paintEvent(event);
}

} // namespace rods
