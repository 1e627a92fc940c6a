#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace rods {

// Prints pages with the toolkit's print dialog and its preview, loading the
// print module at the first use. Returns why it could not, or nothing.
QString printWithPreview(QWidget* parent, const QString& title, const std::function<bool(QPagedPaintDevice&)>& paint);

} // namespace rods
