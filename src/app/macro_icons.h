#pragma once
// The icons of the macros, loaded once per file: "MAIN" is the program's
// icon, "MENU" the popup-menu picture, any other name a file of the
// program folder's "Icons" folder. A file that is missing or is not an icon
// shows the program's icon.
#include <windows.h>

#include <map>
#include <string>

namespace tavrin {

class MacroIcons {
public:
    MacroIcons() = default;
    MacroIcons(const MacroIcons&) = delete;
    MacroIcons& operator=(const MacroIcons&) = delete;
    ~MacroIcons();

    // name as the macro store keeps it (IconOf), path the file it names.
    HICON Icon(const std::string& name, const std::string& path);
    HICON Program();

private:
    std::map<std::string, HICON> loaded_;  // by path; null when it would not load
};

}  // namespace tavrin
