#include "store/system_macros.h"

namespace tavrin {

namespace {

struct SystemMacro {
    const char* nickname;
    uint16_t hotKey;
};

constexpr SystemMacro kSystemMacros[kSystemFunctions] = {
    {"Activate Tavrin", 262},                     // Ctrl+Alt+Shift+W
    {"Start / Stop Capture", 263},                // Ctrl+Alt+Shift+X
    {"Resume Pause", 264},                        // Ctrl+Alt+Shift+Y
    {"Menu of Macros for Top Most Window", 265},  // Ctrl+Alt+Shift+Z
};

}  // namespace

const char* StandardSystemNickname(int function) { return kSystemMacros[function - 1].nickname; }

uint16_t DefaultSystemHotKey(int function) { return kSystemMacros[function - 1].hotKey; }

MacroRecord SystemMacroRecord(int function, double now) {
    MacroRecord r;
    r.Nickname = StandardSystemNickname(function);
    r.ScopeName = std::string(1, static_cast<char>('0' + function));
    r.HotKey = DefaultSystemHotKey(function);
    r.Scope = kScopeSystem;
    r.Active = 1;
    r.IconFile = "MAIN";
    r.LastModified = now;
    return r;
}

}  // namespace tavrin
