#pragma once
// The common dialog's choice of a file, set up in one place for every
// window that asks for one.
#include <windows.h>

#include <string>

namespace tavrin {

struct FileDialogRequest {
    const char* filter = nullptr;  // pairs of "name\0pattern\0"
    const char* title = nullptr;
    const char* defaultExtension = nullptr;
    const char* initialFolder = nullptr;
    bool forSaving = false;   // the Save dialog: the folder must exist, the file need not
    bool keepFolder = false;  // the process's current folder stays as it was
};

// The path chosen; empty when cancelled.
std::string ChooseFileName(HWND owner, const FileDialogRequest& request);

}  // namespace tavrin
