#include "forms/choose_macro_form.h"

#include "forms/macro_list.h"

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
