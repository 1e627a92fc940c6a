// The toolkit's print dialog and preview, in a module of its own: Qt's print
// support (and the printing system's library under it) is loaded only when a
// user first prints, never when the program starts.
#include "paper/print/print_entry.h"

#include <QPrinter>
#include <QPrintPreviewDialog>

extern "C" Q_DECL_EXPORT bool rodsPrintWithPreview(QWidget* parent, const QString* title, const QString* windowTitle,
                                                   const QPageLayout* layout,
                                                   const std::function<bool(QPagedPaintDevice&)>* paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(*title);
    printer.setPageLayout(*layout);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(*windowTitle);
    bool painted = true;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [paint, &painted](QPrinter* target) { painted = (*paint)(*target) && painted; });
    preview.exec();
    return painted;
}
