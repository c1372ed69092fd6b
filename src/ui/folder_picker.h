#pragma once
// The system's folder picker, for the dialogs that ask for a folder.
#include <windows.h>

#include <string>

namespace tavrin {

// The folder chosen; empty when cancelled or when the choice is no folder
// of the file system.
std::string ChooseFolder(HWND owner, const char* title);

}  // namespace tavrin
