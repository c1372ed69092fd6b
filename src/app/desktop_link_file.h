#pragma once
// A shell link (IShellLink) saved as a file, and the desktop folder that
// desktop links go to. OLE must be initialised on the calling thread.
#include <string>

namespace tavrin {

struct ShellLinkFields {
    std::string target;     // the program the link starts
    std::string arguments;
    std::string folder;     // its working folder
    std::string iconFile;   // the icon is the first of this file
};

// False when the link object cannot be made or the file cannot be saved.
bool SaveShellLink(const ShellLinkFields& fields, const std::string& linkPath);

// The registry value "Desktop" of the user's "Shell Folders", else the
// shell's own desktop folder; empty when neither is known.
std::string DesktopFolder();

}  // namespace tavrin
