#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace rods {

// Pages as the user asks for them: printed or saved.

// Prints pages with the toolkit's print dialog and its preview, loading the
// print module at the first use. Returns why it could not, or nothing.
QString printWithPreview(QWidget* parent, const QString& title, const std::function<bool(QPagedPaintDevice&)>& paint);

// Asks where to save a PDF, suggesting a name; the path chosen, ending in
// .pdf, or nothing when the user cancels.
QString askWhereToSavePdf(QWidget* parent, const QString& title, const QString& suggested);

} // namespace rods
