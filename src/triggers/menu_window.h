#pragma once
// The "Choose A Macro" window of a popup menu of macros.
#include <string>
#include <vector>

#include "triggers/macro_menu.h"

namespace tavrin {

struct MenuRequest {
    std::string nickname;
    MenuStyle style = MenuStyle::NicknameAndScope;
    int iconPixels = 16;
    std::vector<MenuRow> rows;
    // The x of a click on the menu's tray icon, or -1: centred.
    int rememberedX = -1;
};

class MenuWindow {
public:
    virtual ~MenuWindow() = default;
    // Shows the menu modally; the chosen member's macro number, or -1.
    virtual int ChooseMacro(const MenuRequest& request) = 0;
};

}  // namespace tavrin
