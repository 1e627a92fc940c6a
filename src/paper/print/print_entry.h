#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

// What the print module offers, found by name once it is loaded: shows the
// print preview of pages painted by `paint` onto the printer, from which the
// user prints; `title` names the document, `windowTitle` the preview (the
// module has no words of its own). Returns false when the pages could not be
// painted.
using PrintWithPreview = bool (*)(QWidget* parent, const QString* title, const QString* windowTitle,
                                  const QPageLayout* layout, const std::function<bool(QPagedPaintDevice&)>* paint);
inline constexpr const char* PrintWithPreviewName = "rodsPrintWithPreview";
