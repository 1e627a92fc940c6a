#pragma once

#include "drawings/rods_drawing.h"
#include "paper/paper.h"
#include "tutor/exercise/step_view.h"

#include <QRectF>
#include <QStaticText>
#include <QStringList>

namespace rods {

// One step of a working laid out on paper or in a picture: its counter on
// top, the rods with the row read (or, at the adding step, its columns) and
// beside them the long working so far, and the step's words below, drawn by
// the same drawings as the Working window's.
class StepDrawing {
public:
    // The long working's figures and the words in the sizes given (in
    // points): on paper 11, on a slide larger, to be read across a room.
    StepDrawing(const StepView& view, const std::vector<int>& rods, const QStringList& columnLines,
                const PaperStyle& style, double figuresPoints = 11, double wordsPoints = 11);

    // Lays the step out across `width`, its picture at most `pictureLimit`
    // high; returns the height it takes.
    double layOut(double width, double pictureLimit, const QPaintDevice* device);
    // The height everything but the picture takes, once laid out.
    [[nodiscard]] double heightBesidesPicture() const { return height_ - pictureHeight_; }
    void paint(QPainter& painter, QPointF topLeft);

private:
    StepView view_;
    QStringList columnLines_;
    const PaperStyle& style_;
    RodsDrawing rods_;
    QFont counterFont_, wordsFont_, figuresFont_, columnsFont_;
    std::vector<QStaticText> figures_;
    double width_ = 0;
    double counterHeight_ = 0;
    double pictureWidth_ = 0;
    double pictureHeight_ = 0;
    double figuresWidth_ = 0;
    double figuresHeight_ = 0;
    double wordsHeight_ = 0;
    double height_ = 0;
};

} // namespace rods
