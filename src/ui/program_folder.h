#pragma once
// The folder the program file is in, without a trailing backslash.
#include <string>

namespace tavrin {

std::string ProgramFolder();

}  // namespace tavrin
