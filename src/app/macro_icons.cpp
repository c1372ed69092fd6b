#include "app/macro_icons.h"

#include "app/main_window_res.h"

namespace tavrin {

namespace {
HICON Resource(int id) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                         IMAGE_ICON, 32, 32, LR_SHARED));
}
}  // namespace

MacroIcons::~MacroIcons() {
    for (auto& entry : loaded_)
        if (entry.second) DestroyIcon(entry.second);
}

HICON MacroIcons::Program() { return Resource(kProgramIcon); }

HICON MacroIcons::Icon(const std::string& name, const std::string& path) {
    if (name == "MAIN" || name.empty()) return Program();
    if (name == "MENU") return Resource(kMenuIcon);
    auto it = loaded_.find(path);
    if (it == loaded_.end()) {
        HICON icon = static_cast<HICON>(
            LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE));
        it = loaded_.emplace(path, icon).first;
    }
    return it->second ? it->second : Program();
}

}  // namespace tavrin
