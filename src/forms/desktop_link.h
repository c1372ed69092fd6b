#pragma once
// "&Place On Desktop": the checks before a desktop link is made for a
// macro, and the link's file name and arguments.
#include <string>

#include "store/macro_store.h"

namespace tavrin {

struct DesktopLinkCheck {
    bool ok = false;
    std::string message;   // the refusal, titled "Error"
    std::string nickname;  // the macro's nickname, trimmed of spaces
};

// Macro n may be placed on the desktop when its nickname, trimmed, is not
// empty, no other macro has the same nickname (trimmed, in any case: the
// link would start the first of them) and no double quote in it is followed
// by a space (which would end the quoted argument).
DesktopLinkCheck CheckDesktopLink(const MacroStore& store, int n);

// The link's file name in the desktop folder: the nickname with each
// character a file name cannot hold (\ / : * ? " < > | and control
// characters) made "_", and ".LNK"; trailing dots and spaces, which the
// system drops, are made "_" too, and a device name (CON, NUL, COM1, ...)
// gets a "_" after it.
std::string LinkFileName(const std::string& nickname);

// The program's arguments: "/A" and the nickname in double quotes, so a
// nickname holding "/" or spaces comes back whole.
std::string LinkArguments(const std::string& nickname);

}  // namespace tavrin
