#pragma once
#include <string>

#include "platform/desktop.h"

namespace tavrin {

// The file name of the program that owns a window, as the system names its
// first module; empty when it cannot be told.
std::string ProgramOfWindow(Desktop& desktop, WindowId window);

}  // namespace tavrin
