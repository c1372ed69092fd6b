#include "triggers/macro_menu.h"

#include "triggers/activation_text.h"

namespace tavrin {

namespace {

constexpr size_t kShownTextChars = 255;

std::string MenuScopeText(const MacroTable& t, int n) {
    switch (t.ScopeOf(n)) {
        case kScopeGlobal: return "GLOBAL";
        case kScopePopupMenu: return "Popup Menu";
        default: return t.ScopeNameOf(n);
    }
}

}  // namespace

MenuStyle MenuStyleOf(char show) {
    if (show == '1') return MenuStyle::FirstPart;
    if (show == '2') return MenuStyle::Icons;
    return MenuStyle::NicknameAndScope;
}

int MenuIconPixels(char size) {
    static const int pixels[] = {16, 24, 32, 48, 64};
    return size >= '0' && size <= '4' ? pixels[size - '0'] : 16;
}

std::vector<int> MenuMembers(const MacroRecord& menu, const MacroTable& table) {
    std::vector<int> members;
    for (uint16_t n : ExistingMenuItems(menu, table.MacroCount())) {
        if (members.size() == kMaxMenuMembers) break;
        if (table.ScopeOf(n) != kScopeSystem) members.push_back(n);
    }
    return members;
}

std::vector<int> TrayMenus(const MacroStore& store) {
    std::vector<int> menus;
    for (int n = 1; n <= store.MacroCount() && menus.size() < kMaxTrayMenus; ++n) {
        if (store.Table().ScopeOf(n) == kScopePopupMenu && store.QuilletOf(n).substr(0, 1) == "Y")
            menus.push_back(n);
    }
    return menus;
}

char MenuLabel(size_t i) {
    return i < 10 ? static_cast<char>('0' + i) : static_cast<char>('A' + (i - 10));
}

int MemberForKey(char key, size_t members) {
    if (members == 0) return -1;
    int chosen = -1;
    if (key >= '0' && key <= '9') {
        chosen = key - '0';
    } else if (key >= 'A' && key <= 'Z') {
        chosen = 10 + (key - 'A');
    } else if (key >= 'a' && key <= 'z') {
        chosen = 10 + (key - 'a');
    } else {
        return 0;
    }
    return chosen < static_cast<int>(members) ? chosen : -1;
}

MenuLayout LayoutMenu(MenuStyle style, size_t members, int iconPixels) {
    MenuLayout l;
    const int count = static_cast<int>(members);
    if (style == MenuStyle::Icons) {
        l.buttonSize = iconPixels + 4;
        l.rows = (count + kIconsPerRow - 1) / kIconsPerRow;
        l.clientHeight = l.rows * l.buttonSize + 22;
        if (count > 8) {
            l.clientWidth = 9 * iconPixels + 36;
        } else if (count >= 4) {
            l.clientWidth = count * l.buttonSize;
        } else {
            l.clientWidth = 4 * l.buttonSize;
        }
        return l;
    }
    l.twoLists = members > kMembersPerList;
    if (l.twoLists) {
        l.clientWidth = 604;
        l.firstListHeight = 314;
        l.secondListHeight = 17 * count - 298;
    } else {
        l.clientWidth = 300;
        l.firstListHeight = 17 * count + 8;
    }
    l.clientHeight = l.firstListHeight + 42;
    return l;
}

ScreenRect PlaceMenu(int rememberedX, int width, int height, int screenWidth, int screenHeight) {
    ScreenRect r{0, 0, width, height};
    if (rememberedX < 0) {
        r.left = (screenWidth - width) / 2;
        r.top = (screenHeight - height) / 2;
        return r;
    }
    r.top = screenHeight - height;
    r.left = rememberedX + width > screenWidth ? rememberedX - width : rememberedX;
    if (r.left < 0) r.left = 0;
    return r;
}

std::vector<std::string> MenuHeadings(MenuStyle style) {
    if (style == MenuStyle::FirstPart) return {"Macro Text"};
    return {"Name", "Scope"};
}

std::vector<MenuRow> MenuRows(MacroStore& store, const std::vector<int>& members, MenuStyle style) {
    std::vector<MenuRow> rows;
    for (size_t i = 0; i < members.size(); ++i) {
        const int n = members[i];
        MenuRow row;
        row.macro = n;
        row.label = MenuLabel(i);
        row.nickname = store.NicknameOf(n);
        row.iconFile = store.IconOf(n);
        if (row.iconFile != "MAIN" && row.iconFile != "MENU") row.iconPath = store.IconPath(row.iconFile);
        row.isMenu = store.Table().ScopeOf(n) == kScopePopupMenu;
        if (style == MenuStyle::FirstPart) {
            MacroRecord record;
            if (store.ReadMacro(n, record)) row.text = record.MacroText.substr(0, kShownTextChars);
        } else {
            row.text = row.nickname.empty() ? ActivationText(store, n) : row.nickname;
            row.scope = MenuScopeText(store.Table(), n);
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace tavrin
