#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace rods {

// Writes a file through `write` into a file beside it, renamed over the path
// only when everything was written: the file appears whole or not at all.
// Returns why not (`failure` when `write` itself gives up), or nothing.
QString writeWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write, const QString& failure);

} // namespace rods
