#include "paper/printing.h"

#include "drawings/screen_words.h"
#include "paper/paper.h"
#include "paper/print/print_entry.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLibrary>

namespace rods {

QString printWithPreview(QWidget* parent, const QString& title, const std::function<bool(QPagedPaintDevice&)>& paint)
{
    static PrintWithPreview print = nullptr;
    if (print == nullptr) {
        // Beside the program while it is built; installed, in its own folder
        // of lib/ beside bin/.
        const QString programFolder = QCoreApplication::applicationDirPath();
        for (const QString& path : {programFolder + "/numbering-rods-print",
                                    programFolder + "/../lib/numbering-rods/plugins/numbering-rods-print"}) {
            QLibrary module(path);
            print = reinterpret_cast<PrintWithPreview>(module.resolve(PrintWithPreviewName));
            if (print != nullptr)
                break;
        }
        if (print == nullptr)
            return uiText("Printing", "Printing is not available: the program's print module is missing. Save as "
                                      "PDF and print the file instead.");
    }
    const QPageLayout layout = localPageLayout();
    // TRANSLATORS: the print preview's title: %1 is what is printed.
    const QString windowTitle = uiText("Printing", "Print: %1").arg(title);
    if (!print(parent, &title, &windowTitle, &layout, &paint))
        return uiText("Printing", "The pages could not be drawn for the printer.");
    return {};
}

QString askWhereToSavePdf(QWidget* parent, const QString& title, const QString& suggested)
{
    // TRANSLATORS: the kind of file the save dialog offers; keep (*.pdf).
    const QString pdfFiles = uiText("Printing", "PDF files (*.pdf)");
    QString path = QFileDialog::getSaveFileName(parent, title, suggested, pdfFiles);
    if (!path.isEmpty() && !path.endsWith(".pdf", Qt::CaseInsensitive))
        path += ".pdf";
    return path;
}

} // namespace rods
