// AppIcon: the program's icon for the desktop's menus, at the freedesktop icon sizes.
#pragma once

#include <string>

// Writes ROOT/share/icons/hicolor/{48x48,128x128,256x256}/apps/NAME.png and
// ROOT/share/icons/hicolor/scalable/apps/NAME.svg. False when a file cannot be written.
[[nodiscard]] bool WriteAppIcons(const std::string& root, const std::string& name);
