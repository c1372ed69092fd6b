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
    for (int other = 1; other <= store.MacroCount(); ++other) {
        if (other != n && store.NicknameOf(other) == store.NicknameOf(n)) {
            check.message =
                "A macro is activated via the desktop based on the \"Nickname\" of the macro. "
                "The macro you have chosen has the same nickname as another macro.  You will  "
                "need to change the nickname of one of these macros first.";
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
    return name + ".LNK";
}

std::string LinkArguments(const std::string& nickname) { return "/A\"" + nickname + "\""; }

}  // namespace tavrin
