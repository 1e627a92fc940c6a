#pragma once

#include <QIcon>

namespace rods {

// The program's icon: the one the icon theme has under the program's id, or
// else the one built into the program.
[[nodiscard]] QIcon programIcon();

// Ties the running program to its desktop entry: the desktop file name,
// which is also the Wayland app id, and the icon of every window.
void setUpApplication();

} // namespace rods
