#pragma once
// The tray icons of the popup menus placed in the system tray, one per
// menu with its icon file (the menu picture when it has none) and its
// nickname as the tip, rebuilt when those menus change. A
// click arrives at the owner as the callback message with the icon's menu
// number in wParam (MacroOfIcon) and the mouse message in lParam.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/tray_icon.h"
#include "store/macro_store.h"
#include "ui/macro_icons.h"

namespace tavrin {

class MenuTrayIcons {
public:
    void SetOwner(HWND owner, UINT callbackMessage) {
        owner_ = owner;
        callback_ = callbackMessage;
    }
    // Shows an icon for each menu of TrayMenus; nothing changes on screen
    // when the menus, their nicknames and icons are the same as before.
    void Rebuild(const MacroStore& store);
    void Clear();
    static int MacroOfIcon(WPARAM id) { return static_cast<int>(id) - kFirstId; }

private:
    static constexpr int kFirstId = 1000;  // + the menu's macro number

    struct Shown {
        int macro;
        std::string nickname;
        std::string iconFile;
        bool operator==(const Shown& o) const {
            return macro == o.macro && nickname == o.nickname && iconFile == o.iconFile;
        }
    };

    HWND owner_ = nullptr;
    UINT callback_ = 0;
    MacroIcons pictures_{GetSystemMetrics(SM_CXSMICON)};
    std::vector<Shown> shown_;
    std::vector<std::unique_ptr<TrayIcon>> icons_;  // after pictures_: gone first
};

}  // namespace tavrin
