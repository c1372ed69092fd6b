#include "app/menu_tray_icons.h"

#include "triggers/macro_menu.h"

namespace tavrin {

void MenuTrayIcons::Rebuild(const MacroStore& store) {
    std::vector<std::pair<int, std::string>> wanted;
    for (int n : TrayMenus(store)) wanted.emplace_back(n, store.NicknameOf(n));
    if (wanted == shown_) return;
    Clear();
    for (const auto& [n, nickname] : wanted) {
        auto icon = std::make_unique<TrayIcon>();
        icon->Create(owner_, static_cast<UINT>(kFirstId + n), callback_, nickname);
        icon->Show(true);
        icons_.push_back(std::move(icon));
    }
    shown_ = std::move(wanted);
}

void MenuTrayIcons::Clear() {
    icons_.clear();  // each takes its icon away
    shown_.clear();
}

}  // namespace tavrin
