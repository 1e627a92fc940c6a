#pragma once

#include <QString>

#include <functional>
#include <string_view>

class QIODevice;

namespace rods {

// Writes a file through `write` into a file beside it, renamed over the path
// only when everything was written: the file appears whole or not at all.
// Returns why not (`failure` when `write` itself gives up), or nothing.
QString writeWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write, const QString& failure);

// The same for bytes already made, such as a CSV table: `failure` says why
// when not all of them could be written.
QString writeWholeFile(const QString& path, std::string_view bytes, const QString& failure);

} // namespace rods
