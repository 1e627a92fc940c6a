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
    painter.setFont(font);
    painter.setPen(Qt::black);
    // The title at the start of the line, the page's number at its end, in
    // the language's reading order.
    const double titleWidth = body.width() - numberWidth - style.mm(6);
    painter.drawText(pages.inReadingOrder(QRectF(body.left(), body.top(), titleWidth, metrics.lineSpacing())),
                     Qt::AlignLeft | Qt::AlignTop, metrics.elidedText(what, Qt::ElideRight, titleWidth));
    painter.drawText(
        pages.inReadingOrder(QRectF(body.right() - numberWidth, body.top(), numberWidth, metrics.lineSpacing())),
        Qt::AlignLeft | Qt::AlignTop, number);
    const double rule = body.top() + metrics.lineSpacing() + style.mm(1);
    painter.setPen(QPen(Qt::gray, style.mm(0.2)));
    painter.drawLine(QLineF(body.left(), rule, body.right(), rule));
}

} // namespace rods
