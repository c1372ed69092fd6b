#pragma once
// The text of a text file as macros read it.
#include <string>

#include "platform/files.h"

namespace tavrin {

// The whole file without a last Ctrl+Z (26), cut at its first NUL; false
// when the file cannot be opened or read.
bool ReadTextFile(Files& files, const std::string& path, std::string& text);

}  // namespace tavrin
