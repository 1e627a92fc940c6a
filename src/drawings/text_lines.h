#pragma once

#include <QStringList>

#include <string>
#include <vector>

namespace rods {

// The tutor's words and lines, made in UTF-8 by its Qt-free logic, as Qt
// shows them.
inline QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

inline QStringList toLines(const std::vector<std::string>& lines)
{
    QStringList joined;
    for (const std::string& line : lines)
        joined << fromUtf8(line);
    return joined;
}

} // namespace rods
