#include "paper/step_drawing.h"

#include "drawings/figures.h"
#include "drawings/flowing_lines.h"
#include "drawings/text_lines.h"

#include <QGuiApplication>
#include <QPainter>

namespace rods {

StepDrawing::StepDrawing(const StepView& view, const std::vector<int>& rods, const QStringList& columnLines,
                         const PaperStyle& style, double figuresPoints, double wordsPoints)
    : view_(view)
    , columnLines_(columnLines)
    , style_(style)
    , counterFont_(style.font(13, true))
    , wordsFont_(style.font(wordsPoints))
    , figuresFont_(style.fixedFont(figuresPoints))
    , columnsFont_(style.font(11))
{
    rods_.setRods(rods);
    rods_.setRow(view.litRow ? &*view.litRow : nullptr, view.digitsHidden);
    rods_.setMarkedDiagonal(view.markedDiagonal);
}

double StepDrawing::layOut(double width, double pictureLimit, const QPaintDevice* device)
{
    width_ = width;
    const double gap = style_.mm(3);
    counterHeight_ = view_.counter.empty() ? 0.0 : QFontMetricsF(counterFont_, device).lineSpacing() + gap;

    const QFontMetricsF figureMetrics(figuresFont_, device);
    figures_.clear();
    figuresWidth_ = 0;
    for (const std::string& line : view_.longWorking.text()) {
        QStaticText laid(fromUtf8(line));
        laid.prepare(QTransform(), figuresFont_);
        figuresWidth_ = std::max(figuresWidth_, figureMetrics.horizontalAdvance(fromUtf8(line)));
        figures_.push_back(laid);
    }
    figuresHeight_ = figureMetrics.lineSpacing() * static_cast<double>(figures_.size());

    pictureWidth_ = std::max(1.0, width - figuresWidth_ - (figures_.empty() ? 0.0 : 2 * gap));
    if (view_.showColumns) {
        // The adding step's columns go under the long working, across the
        // whole width, a line each, in a smaller size where a line is long.
        pictureWidth_ = width;
        for (double points = 11; points >= 6; --points) {
            columnsFont_ = style_.font(points);
            const QFontMetricsF metrics(columnsFont_, device);
            double widest = 0;
            for (const QString& line : columnLines_)
                widest = std::max(widest, metrics.horizontalAdvance(line));
            if (widest + metrics.height() <= width)
                break;
        }
        pictureHeight_ =
            QFontMetricsF(columnsFont_, device).lineSpacing() * static_cast<double>(columnLines_.size() + 1);
        height_ = counterHeight_ + figuresHeight_ + gap + pictureHeight_;
    } else {
        if (!rods_.rods().empty()) {
            const QRectF extent = rods_.extent();
            pictureHeight_ = std::min(pictureWidth_ * extent.height() / extent.width(), std::max(0.0, pictureLimit));
        } else {
            pictureHeight_ = 0;
        }
        height_ = counterHeight_ + std::max(pictureHeight_, figuresHeight_);
    }
    const QFontMetricsF wordsMetrics(wordsFont_, device);
    wordsHeight_ =
        wordsMetrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, fromUtf8(view_.words)).height();
    height_ += gap + wordsHeight_;
    return height_;
}

void StepDrawing::paint(QPainter& painter, QPointF topLeft)
{
    painter.save();
    // Words in the language's direction; the rods and the long working are
    // drawn left to right by their own drawings.
    painter.setLayoutDirection(QGuiApplication::layoutDirection());
    const QColor ink = style_.colours().color(QPalette::WindowText);
    double y = topLeft.y();
    if (counterHeight_ > 0) {
        painter.setFont(counterFont_);
        painter.setPen(ink);
        painter.drawText(QRectF(topLeft.x(), y, width_, counterHeight_), Qt::AlignLeft | Qt::AlignTop,
                         fromUtf8(view_.counter));
        y += counterHeight_;
    }
    const QRectF figures(topLeft.x() + width_ - figuresWidth_, y, figuresWidth_, figuresHeight_);
    if (!figures_.empty())
        drawFigures(painter, figures, figuresFont_, figures_, style_.colours(),
                    view_.markedColumn ? std::optional<int>(static_cast<int>(*view_.markedColumn)) : std::nullopt,
                    view_.longWorking.rowLines());
    if (view_.showColumns) {
        y += figuresHeight_ + style_.mm(3);
        drawFlowingLines(painter, QRectF(topLeft.x(), y, pictureWidth_, pictureHeight_), columnsFont_, ink,
                         columnLines_);
        y += pictureHeight_ + style_.mm(3);
    } else {
        if (pictureHeight_ > 0) {
            rods_.fitInto(QRectF(topLeft.x(), y, pictureWidth_, pictureHeight_));
            rods_.draw(painter, style_.look());
        }
        y += std::max(pictureHeight_, figuresHeight_) + style_.mm(3);
    }
    painter.setFont(wordsFont_);
    painter.setPen(ink);
    painter.drawText(QRectF(topLeft.x(), y, width_, wordsHeight_), Qt::AlignLeft | Qt::TextWordWrap,
                     fromUtf8(view_.words));
    painter.restore();
}

} // namespace rods
