// PathString: the program's string for folders, file names and prompt names.
// Paths are built by plain concatenation; every stored folder ends in '/', so the program never
// inserts or removes a separator itself.
#pragma once

#include <string>

using PathString = std::string;
