#pragma once

#include <QIcon>

namespace rods {

// The program's icon, built into the program in the sizes window systems ask
// for. (The desktop entry names the same icon in the theme for menus and
// task bars.)
[[nodiscard]] QIcon programIcon();

// Ties the running program to its desktop entry: the desktop file name,
// which is also the Wayland app id, and the icon of every window.
void setUpApplication();

} // namespace rods
