#pragma once
// The icons of the macros at one size, each file loaded once: "MAIN" is the
// program's icon, "MENU" the popup-menu picture, any other name a file of
// the program folder's "Icons" folder. A file that is missing or is not an
// icon shows the menu picture for a popup menu, else the program's icon.
#include <windows.h>

#include <map>
#include <string>

namespace tavrin {

// One of the program's own icons (program_icons_res.h) at a size, shared:
// the system keeps one of each size, never destroyed.
HICON ProgramPicture(int id, int pixels);
// The same at the size of the tray and of small window icons.
HICON SmallProgramPicture(int id);

class MacroIcons {
public:
    explicit MacroIcons(int pixels = 32) : pixels_(pixels) {}
    MacroIcons(const MacroIcons&) = delete;
    MacroIcons& operator=(const MacroIcons&) = delete;
    ~MacroIcons();

    // name as the macro store keeps it (IconOf), path the file it names.
    HICON Icon(const std::string& name, const std::string& path, bool isMenu = false);
    HICON Program();
    HICON Menu();

private:
    int pixels_;
    std::map<std::string, HICON> loaded_;  // by path; null when it would not load
};

}  // namespace tavrin
