#include "forms/desktop_link.h"

#include <cstring>

#include "language/ansi_text.h"

namespace tavrin {

DesktopLinkCheck CheckDesktopLink(const MacroStore& store, int n) {
    DesktopLinkCheck check;
    check.nickname = Trim(store.NicknameOf(n));
    if (check.nickname.empty()) {
        check.message =
            "A macro is activated via the desktop based on the \"Nickname\" of the macro. The "
            "macro you have chosen has no nickname assigned.  You will need to give the macro a "
            "nickname first.";
        return check;
    }
    // The link starts the macro by its nickname, trimmed and in any case, so
    // no other macro may answer to the same.
    const std::string startName = UpperCase(check.nickname);
    for (int other = 1; other <= store.MacroCount(); ++other) {
        if (other != n && Trim(UpperCase(store.NicknameOf(other))) == startName) {
            check.message =
                "A macro is activated via the desktop based on the \"Nickname\" of the macro. "
                "The macro you have chosen has the same nickname as another macro.  You will  "
                "need to change the nickname of one of these macros first.";
            return check;
        }
    }
    // A quote followed by a space would end the link's quoted argument.
    for (size_t q = check.nickname.find('"'); q != std::string::npos;
         q = check.nickname.find('"', q + 1)) {
        if (q + 1 < check.nickname.size() && check.nickname[q + 1] == ' ') {
            check.message =
                "The nickname of this macro holds a double quote followed by a space, which a "
                "desktop icon cannot pass on to the program.  You will need to change the "
                "nickname first.";
            return check;
        }
    }
    check.ok = true;
    return check;
}

std::string LinkFileName(const std::string& nickname) {
    std::string name = nickname;
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 32 || std::strchr("\\/:*?\"<>|", c)) c = '_';
    }
    for (size_t i = name.size(); i > 0 && (name[i - 1] == '.' || name[i - 1] == ' '); --i)
        name[i - 1] = '_';
    // The system keeps the names of its devices, with any extension.
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
    const std::string upper = UpperCase(name);
    bool device = upper.size() == 4 && (upper.compare(0, 3, "COM") == 0 ||
                                        upper.compare(0, 3, "LPT") == 0) &&
                  upper[3] >= '1' && upper[3] <= '9';
    for (const char* d : kDevices) device = device || upper == d;
    if (device) name += '_';
    return name + ".LNK";
}

std::string LinkArguments(const std::string& nickname) { return "/A\"" + nickname + "\""; }

}  // namespace tavrin
