#pragma once
// The four system macros that carry the hot keys of the program's own
// functions: 1 bring up the program, 2 start/stop capture, 3 resume a
// paused macro, 4 menu of macros for the top-most window.
#include <cstdint>
#include <string>

#include "store/macro_record.h"

namespace tavrin {

constexpr int kSystemFunctions = 4;

// function is 1..4.
const char* StandardSystemNickname(int function);
uint16_t DefaultSystemHotKey(int function);
// The record appended when a file lacks the function's macro.
MacroRecord SystemMacroRecord(int function, double now);

}  // namespace tavrin
