#include "window/etched_frame.h"

#include <qdrawutil.h>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace rods {

void EtchedFrame::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect border = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    qDrawShadeRect(&painter, border, palette(), true, 1);
    // The caption, drawn by the style over the border.
    option.subControls &= ~QStyle::SC_GroupBoxFrame;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

} // namespace rods
