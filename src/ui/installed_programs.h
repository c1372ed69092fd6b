#pragma once
// "List of Installed Programs", for every dialog that offers a program to
// pick: the list of the start menus' programs is gathered on first use and
// kept for the rest of the run.
#include <windows.h>

#include <string>

namespace tavrin {

// The file name of the program chosen ("notepad.exe"); empty when the list
// was cancelled.
std::string ChooseInstalledProgram(HWND owner);

}  // namespace tavrin
