#include "working_window/step_pane.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "working_window/column_lines.h"
#include "working_window/column_marks.h"
#include "working_window/fixed_text.h"
#include "working_window/rods_picture.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace rods {

StepPane::StepPane(QWidget* parent)
    : QWidget(parent)
    , view_(new QStackedWidget(this))
    , picture_(new RodsPicture(this))
    , columns_(new ColumnLines(this))
    , longWorking_(new ColumnMarks)
    , longWorkingRoom_(new QScrollArea(this))
    , explanation_(new FixedText("Explanation", uiText("WorkingWindow", "Step"), font(), 5, this))
{
    columns_->setObjectName("Columns");
    view_->addWidget(picture_);
    view_->addWidget(columns_);
    longWorking_->setAccessibleDescription(uiText("WorkingWindow", "Long multiplication"));
    longWorkingRoom_->setObjectName("LongWorkingRoom");
    longWorkingRoom_->setWidget(longWorking_);
    longWorkingRoom_->setFrameShape(QFrame::NoFrame);
    // The Tab key goes on to the answer, as before the working could scroll;
    // it follows the step, and the wheel scrolls it.
    longWorkingRoom_->setFocusPolicy(Qt::NoFocus);
    longWorkingRoom_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    longWorkingRoom_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    // On the window's background, as the working stood before it could scroll.
    longWorkingRoom_->viewport()->setAutoFillBackground(false);
    longWorking_->setAutoFillBackground(false);

    auto* top = new QHBoxLayout;
    top->addWidget(view_, 1);
    top->addWidget(longWorkingRoom_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(top, 1);
    column->addWidget(explanation_);
}

void StepPane::setProblem(const std::vector<int>& rods, const QStringList& columnLines)
{
    picture_->setRods(rods);
    columns_->setLines(columnLines);
}

void StepPane::fitWorking(const QStringList& wholeWorking)
{
    longWorking_->fitTo(wholeWorking);
    // As wide as the working, and a scroll bar beside it when it is taller
    // than the room.
    longWorkingRoom_->setFixedWidth(longWorking_->width()
                                    + longWorkingRoom_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void StepPane::show(const StepView& view)
{
    explanation_->setText(fromUtf8(view.words));
    view_->setCurrentWidget(view.showColumns ? static_cast<QWidget*>(columns_) : picture_);
    picture_->setRow(view.litRow ? &*view.litRow : nullptr,
                     view.digitsHidden ? RodsPicture::Digits::Hidden : RodsPicture::Digits::Shown);
    picture_->setMarkedDiagonal(view.markedDiagonal);
    longWorking_->setLines(toLines(view.longWorking.text()));
    longWorking_->setMarkedColumn(view.markedColumn ? std::optional<int>(static_cast<int>(*view.markedColumn))
                                                    : std::nullopt,
                                  view.longWorking.rowLines());
}

} // namespace rods
