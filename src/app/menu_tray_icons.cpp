#include "app/menu_tray_icons.h"

#include "triggers/macro_menu.h"

namespace tavrin {

void MenuTrayIcons::Rebuild(const MacroStore& store) {
    std::vector<Shown> wanted;
    for (int n : TrayMenus(store)) wanted.push_back({n, store.NicknameOf(n), store.IconOf(n)});
    if (wanted == shown_) return;
    Clear();
    for (const Shown& menu : wanted) {
        auto icon = std::make_unique<TrayIcon>();
        icon->Create(owner_, static_cast<UINT>(kFirstId + menu.macro), callback_, menu.nickname);
        HICON picture = pictures_.Icon(menu.iconFile, store.IconPath(menu.iconFile), true);
        icon->SetIcons(picture, picture);
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
