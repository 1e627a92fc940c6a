#include "paper/page_head.h"

#include "drawings/screen_words.h"
#include "paper/paper.h"

namespace rods {

void drawPageHead(PaperPages& pages, const QString& what, int page, int pageCount)
{
    const PaperStyle& style = pages.style();
    QPainter& painter = pages.painter();
    const QFont font = style.font(10);
    const QFontMetricsF metrics(font, painter.device());
    const QRectF body = pages.body();
    const QString number = uiText("PageHead", "Page %1 of %2").arg(page).arg(pageCount);
    const double numberWidth = metrics.horizontalAdvance(number);
    const double baseline = body.top() + metrics.ascent();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(body.left(), baseline),
                     metrics.elidedText(what, Qt::ElideRight, body.width() - numberWidth - style.mm(6)));
    painter.drawText(QPointF(body.right() - numberWidth, baseline), number);
    const double rule = body.top() + metrics.lineSpacing() + style.mm(1);
    painter.setPen(QPen(Qt::gray, style.mm(0.2)));
    painter.drawLine(QLineF(body.left(), rule, body.right(), rule));
}

} // namespace rods
