#include "paper/paper_files.h"

#include "drawings/screen_words.h"
#include "drawings/text_lines.h"
#include "paper/paper.h"
#include "paper/step_drawing.h"
#include "paper/whole_file.h"
#include "tutor/session/lesson.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>

namespace rods {
namespace {

constexpr int PdfResolution = 600;
// The picture of a step on paper: at most this high, so that a step and its
// words keep together on a page.
constexpr double StepPictureMillimetres = 80;

// The system's reason names neither the file nor its folder; where the
// folder is the trouble, the folder is named.
PaperOutcome cannotWrite(const QString& path, const QString& why)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    const QString name = file.fileName();
    const QString where = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.exists()) {
        // TRANSLATORS: %1 is the file's name, %2 its folder.
        return {false, false, uiText("Paper", "Could not write %1: the folder %2 does not exist.").arg(name, where)};
    }
    if (!folder.isDir()) {
        // TRANSLATORS: %1 is the file's name, %2 what should be its folder.
        return {false, false, uiText("Paper", "Could not write %1: %2 is not a folder.").arg(name, where)};
    }
    if (!folder.isWritable()) {
        return {false, false,
                // TRANSLATORS: %1 is the file's name, %2 its folder.
                uiText("Paper", "Could not write %1: the folder %2 cannot be written to.").arg(name, where)};
    }
    // TRANSLATORS: %1 is the file's name, %2 why not: the system's words, or
    // one of the reasons of this context that start with a small letter.
    return {false, false, uiText("Paper", "Could not write %1: %2.").arg(name, why)};
}

} // namespace

std::optional<PaperFormat> paperFormat(const QString& path)
{
    const QString ending = QFileInfo(path).suffix().toLower();
    if (ending == "pdf")
        return PaperFormat::Pdf;
    if (ending == "png")
        return PaperFormat::Png;
    return std::nullopt;
}

bool paintWorking(QPagedPaintDevice& device, const Lesson& lesson)
{
    PaperPages pages(device);
    if (!pages.isActive())
        return false;
    const PaperStyle& style = pages.style();
    pages.write(fromUtf8(lesson.title()), style.font(16, true));
    pages.advance(style.mm(5));
    // Paper holds the whole working, as watched, whatever the window shows.
    const std::vector<StepView> steps = lesson.wholeWorking();
    if (lesson.stepCount() == 0) {
        pages.write(fromUtf8(steps.front().words), style.font(11));
        return true;
    }
    const QStringList columns = toLines(lesson.columnLines());
    for (std::size_t step = 0; step < steps.size(); ++step) {
        StepDrawing drawing(steps[step], lesson.rods(), columns, style);
        const double height = drawing.layOut(pages.body().width(), style.mm(StepPictureMillimetres), &device);
        pages.makeRoom(height);
        drawing.paint(pages.painter(), QPointF(pages.body().left(), pages.top()));
        pages.advance(height + style.mm(4));
        if (step + 1 < steps.size()) {
            // A thin rule between steps.
            pages.painter().setPen(QPen(Qt::gray, style.mm(0.2)));
            pages.painter().drawLine(QLineF(pages.body().left(), pages.top(), pages.body().right(), pages.top()));
            pages.advance(style.mm(4));
        }
    }
    return true;
}

QImage stepImage(const Lesson& lesson)
{
    // 1920 by 1080 at 192 dots per inch: a full-screen slide, drawn at twice
    // the size a 96-dpi screen needs, so it stays sharp on a high-DPI one.
    constexpr double DotsPerInch = 192;
    QImage image(StepImageWidth, StepImageHeight, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(DotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(DotsPerInch / 0.0254));
    image.fill(Qt::white);
    const PaperStyle style(DotsPerInch);
    QPainter painter(&image);
    // Its title and words in the language's direction.
    painter.setLayoutDirection(QGuiApplication::layoutDirection());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double margin = style.mm(6);
    const QRectF area = QRectF(image.rect()).adjusted(margin, margin, -margin, -margin);
    const QFont titleFont = style.font(13, true);
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    const double titleHeight = QFontMetricsF(titleFont, &image).lineSpacing() + style.mm(2);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight), Qt::AlignLeft | Qt::AlignTop,
                     fromUtf8(lesson.title()));
    const double room = area.height() - titleHeight;
    // The long working as large as the slide has room for, up to figures
    // about a twentieth of its height, so that the back of a classroom can
    // read them; never smaller than on paper.
    const StepView view = lesson.view();
    double figures = 26;
    // At the adding step its columns stand under the working, a line each.
    const auto columns = view.showColumns ? lesson.columnLines().size() + 1 : 0;
    const double lines = std::max<double>(1, static_cast<double>(view.longWorking.lines().size() + columns));
    while (figures > 11 && QFontMetricsF(style.fixedFont(figures), &image).lineSpacing() * lines > room * 0.85)
        --figures;
    StepDrawing drawing(view, lesson.rods(), toLines(lesson.columnLines()), style, figures, 15);
    drawing.layOut(area.width(), room, &image);
    const double height = drawing.layOut(area.width(), room - drawing.heightBesidesPicture(), &image);
    // A step whose words and columns alone outgrow the slide is drawn
    // smaller, whole.
    const double shrink = std::min(1.0, room / height);
    painter.translate(area.left(), area.top() + titleHeight);
    painter.scale(shrink, shrink);
    drawing.paint(painter, QPointF(0, 0));
    return image;
}

PaperOutcome savePdf(const QString& path, const std::function<bool(QPagedPaintDevice&)>& paint)
{
    const QString error = writeWholeFile(
        path,
        [&path, &paint](QIODevice& file) {
            QPdfWriter pdf(&file);
            pdf.setResolution(PdfResolution);
            pdf.setPageLayout(localPageLayout());
            pdf.setCreator("Numbering Rods");
            pdf.setTitle(QFileInfo(path).completeBaseName());
            return paint(pdf);
        },
        // TRANSLATORS: a reason, put into "Could not write %1: %2."
        uiText("Paper", "the pages could not be drawn"));
    return error.isEmpty() ? PaperOutcome{true, false, {}} : cannotWrite(path, error);
}

PaperOutcome savePng(const QString& path, const QImage& image)
{
    const QString error = writeWholeFile(
        path, [&image](QIODevice& file) { return image.save(&file, "PNG"); },
        // TRANSLATORS: a reason, put into "Could not write %1: %2."
        uiText("Paper", "the picture could not be written"));
    return error.isEmpty() ? PaperOutcome{true, false, {}} : cannotWrite(path, error);
}

PaperOutcome saveWorking(const QString& path, const Lesson& lesson)
{
    const std::optional<PaperFormat> format = paperFormat(path);
    if (!format) {
        return {false, true,
                // TRANSLATORS: %1 is the file's name; .pdf and .png stay as they are.
                uiText("Paper", "Cannot save %1: the name must end in .pdf or .png.").arg(QFileInfo(path).fileName())};
    }
    if (*format == PaperFormat::Png)
        return savePng(path, stepImage(lesson));
    return savePdf(path, [&lesson](QPagedPaintDevice& device) { return paintWorking(device, lesson); });
}

PaperOutcome saveWorksheet(const QString& path, const Worksheet& sheet, const WorksheetLook& look)
{
    return savePdf(path, [&sheet, &look](QPagedPaintDevice& device) { return paintWorksheet(device, sheet, look); });
}

} // namespace rods
