#pragma once
// What "Choose A Macro" shows for each member of a popup menu.
#include <string>
#include <vector>

#include "store/macro_store.h"
#include "triggers/macro_menu.h"

namespace tavrin {

struct MenuRow {
    int macro = 0;
    char label = '0';
    // First Part of Macro: the first 255 characters of the macro text;
    // Nickname and Scope: the nickname, or its trigger when it has none.
    std::string text;
    std::string scope;     // Nickname and Scope only
    std::string nickname;  // the Icons style's hint
    std::string iconFile;  // "MAIN" (the program's icon), "MENU" (the menu icon) or a file
    std::string iconPath;  // the file of the "Icons" folder, when iconFile names one
    bool isMenu = false;
};

// The column headings of a list style: "Macro Text", or "Name" and "Scope".
std::vector<std::string> MenuHeadings(MenuStyle style);
std::vector<MenuRow> MenuRows(MacroStore& store, const std::vector<int>& members, MenuStyle style);

}  // namespace tavrin
