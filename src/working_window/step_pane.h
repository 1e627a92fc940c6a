#pragma once

#include "tutor/exercise/step_view.h"

#include <QWidget>

class QScrollArea;
class QStackedWidget;

namespace rods {

class ColumnLines;
class ColumnMarks;
class FixedText;
class RodsPicture;

// The step shown: the rods with the row being read (or, at a product's adding
// step, its columns), the long working so far beside them, and the step in
// words below. It puts a step's view on the screen as it is given and decides
// nothing. On a small screen the long working scrolls, keeping its newest
// line or the column a hint marks in view, and the picture and the columns
// scale down, so that the window fits a 1024 x 768 screen at any problem.
class StepPane : public QWidget {
    Q_OBJECT

public:
    explicit StepPane(QWidget* parent);

    // A new problem: its rods, and the columns of its adding step.
    void setProblem(const std::vector<int>& rods, const QStringList& columnLines);
    // Wide and tall enough for the whole working, so that the layout keeps
    // still while the steps add lines.
    void fitWorking(const QStringList& wholeWorking);
    void show(const StepView& view);

    [[nodiscard]] FixedText* explanation() const { return explanation_; }
    [[nodiscard]] ColumnLines* columns() const { return columns_; }
    [[nodiscard]] ColumnMarks* longWorking() const { return longWorking_; }
    [[nodiscard]] RodsPicture* picture() const { return picture_; }

private:
    QStackedWidget* view_; // the picture, or at the adding step its columns
    RodsPicture* picture_;
    ColumnLines* columns_;
    ColumnMarks* longWorking_;
    QScrollArea* longWorkingRoom_; // scrolls when the working is taller than the window
    FixedText* explanation_;
};

} // namespace rods
