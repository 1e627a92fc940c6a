#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "paper/page_head.h"
#include "paper/paper.h"
#include "tutor/problems/worksheet.h"

namespace rods {

void writeAnswerKey(PaperPages& pages, const Worksheet& sheet);

namespace {

// An answer of the key, and where it goes: its page, column and top.
struct KeyEntry {
    QString answer;
    QString partials;
    double answerHeight = 0;
    double partialsHeight = 0;
    int page = 0;
    int column = 0;
    double top = 0;
};

} // namespace

// The answers in two columns, down the first and then the second, on pages
// of their own after the problems, counted apart.
void writeAnswerKey(PaperPages& pages, const Worksheet& sheet)
{
    const PaperStyle& style = pages.style();
    const QRectF body = pages.body();
    const double gap = style.mm(8);
    const double width = (body.width() - gap) / 2;
    const QFont sourceFont = style.font(11);
    const QFont answerFont = style.font(11, true);
    const QFont partialsFont = style.font(9);
    const QString source =
        sheet.heading.empty()
            ? fromUtf8(sheet.source)
            // TRANSLATORS: over the answer key: %1 is the teacher's own line, %2 where
            // the problems come from (their level and set, or the teacher's list).
            : uiText("AnswerKey", "%1 \u2013 %2").arg(fromUtf8(sheet.heading), fromUtf8(sheet.source));
    const double pageTop = body.top() + style.mm(PageHeadMillimetres);
    const double firstTop = pageTop + pages.textHeight(source, sourceFont, body.width()) + style.mm(4);

    std::vector<KeyEntry> entries;
    int page = 0;
    int column = 0;
    double y = firstTop;
    for (std::size_t i = 0; i < sheet.problems.size(); ++i) {
        const WorksheetProblem& problem = sheet.problems[i];
        KeyEntry entry;
        // TRANSLATORS: an answer of the key: %1 is the problem's number on the
        // worksheet, %2 its answer, such as "3.  3684 ÷ 12 = 307".
        entry.answer = uiText("AnswerKey", "%1.  %2").arg(i + 1).arg(fromUtf8(problem.answer));
        if (!problem.partials.empty() && problem.problem.operation == Operation::Multiply) {
            // TRANSLATORS: under a product's answer: %1 is the rows of its
            // rods that were added, such as "614 + 3070".
            entry.partials = uiText("AnswerKey", "Rows added: %1").arg(fromUtf8(problem.partials));
        } else if (!problem.partials.empty()) {
            // TRANSLATORS: under a division's answer: %1 is the products taken
            // away, in turn, such as "36, 0, 84".
            entry.partials = uiText("AnswerKey", "Taken away: %1").arg(fromUtf8(problem.partials));
        }
        entry.answerHeight = pages.textHeight(entry.answer, answerFont, width);
        entry.partialsHeight = entry.partials.isEmpty() ? 0.0 : pages.textHeight(entry.partials, partialsFont, width);
        const double height = entry.answerHeight + entry.partialsHeight + style.mm(2);
        const double top = page == 0 ? firstTop : pageTop;
        if (y + height > body.bottom() && y > top) {
            if (column == 0) {
                column = 1;
            } else {
                ++page;
                column = 0;
            }
            y = page == 0 ? firstTop : pageTop;
        }
        entry.page = page;
        entry.column = column;
        entry.top = y;
        entries.push_back(entry);
        y += height;
    }

    const int pageCount = page + 1;
    // TRANSLATORS: the head of each page of the answer key: %1 is the
    // worksheet's title.
    const QString what = uiText("AnswerKey", "Answer key: %1").arg(fromUtf8(sheet.title));
    QPainter& painter = pages.painter();
    for (int at = 0; at < pageCount; ++at) {
        pages.newPage();
        drawPageHead(pages, what, at + 1, pageCount);
        if (at == 0) {
            painter.setFont(sourceFont);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(body.left(), pageTop, body.width(), firstTop - pageTop),
                             Qt::AlignLeft | Qt::TextWordWrap, source);
        }
        for (const KeyEntry& entry : entries) {
            if (entry.page != at)
                continue;
            const double x = body.left() + entry.column * (width + gap);
            painter.setPen(Qt::black);
            painter.setFont(answerFont);
            // "3. 307 × 12 = 3684" is figures, left to right in every language.
            painter.save();
            painter.setLayoutDirection(Qt::LeftToRight);
            painter.drawText(QRectF(x, entry.top, width, entry.answerHeight), Qt::AlignLeft | Qt::TextWordWrap,
                             entry.answer);
            painter.restore();
            painter.setFont(partialsFont);
            painter.drawText(QRectF(x, entry.top + entry.answerHeight, width, entry.partialsHeight),
                             Qt::AlignLeft | Qt::TextWordWrap, entry.partials);
        }
    }
}

} // namespace rods
