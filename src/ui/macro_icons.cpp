#include "ui/macro_icons.h"

#include "ui/program_icons_res.h"

namespace tavrin {

HICON ProgramPicture(int id, int pixels) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                         IMAGE_ICON, pixels, pixels, LR_SHARED));
}

HICON SmallProgramPicture(int id) { return ProgramPicture(id, GetSystemMetrics(SM_CXSMICON)); }

MacroIcons::~MacroIcons() {
    for (auto& entry : loaded_)
        if (entry.second) DestroyIcon(entry.second);
}

HICON MacroIcons::Program() { return ProgramPicture(kProgramIcon, pixels_); }

HICON MacroIcons::Menu() { return ProgramPicture(kMenuIcon, pixels_); }

HICON MacroIcons::Icon(const std::string& name, const std::string& path, bool isMenu) {
    if (name.empty()) return isMenu ? Menu() : Program();
    if (name == "MAIN") return Program();
    if (name == "MENU") return Menu();
    auto it = loaded_.find(path);
    if (it == loaded_.end()) {
        HICON icon = static_cast<HICON>(
            LoadImageA(nullptr, path.c_str(), IMAGE_ICON, pixels_, pixels_, LR_LOADFROMFILE));
        it = loaded_.emplace(path, icon).first;
    }
    if (it->second) return it->second;
    return isMenu ? Menu() : Program();
}

}  // namespace tavrin
