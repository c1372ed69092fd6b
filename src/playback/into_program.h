#pragma once
// The player's entry point: plays a macro text into the program in front.
#include <string>

namespace tavrin {

void IntoProgram(const std::string& macroText);

}  // namespace tavrin
