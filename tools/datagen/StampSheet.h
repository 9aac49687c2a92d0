// StampSheet: a contact sheet of the stamp chooser's seven pages, to judge the stamps by eye.
#pragma once

#include <string>

// Reads the stamps from the picture library folder (ending in "/"); false when the PNG cannot
// be written.
[[nodiscard]] bool WriteStampSheet(const std::string& piclib, const std::string& path);
