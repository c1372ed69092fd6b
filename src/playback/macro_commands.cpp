#include "playback/macro_commands.h"

#include <vector>

#include "store/hot_key_flags.h"

namespace tavrin {

namespace {

// Menu members after macro n is removed; false when nothing changes.
bool RenumberMembers(std::vector<uint16_t>& members, int n) {
    bool changed = false;
    std::vector<uint16_t> kept;
    for (uint16_t m : members) {
        if (m == n) {
            changed = true;
        } else if (m > n) {
            kept.push_back(static_cast<uint16_t>(m - 1));
            changed = true;
        } else {
            kept.push_back(m);
        }
    }
    members = kept;
    return changed;
}

}  // namespace

int FindMacroNamed(const MacroStore& store, const std::string& nickname) {
    for (int n = 1; n <= store.MacroCount(); ++n) {
        if (store.NicknameOf(n) == nickname) return n;
    }
    return 0;
}

int SetActiveByNickname(MacroStore& store, HookLibrary& hooks, const std::string& nickname,
                        bool active) {
    MacroTable& table = store.Table();
    const uint8_t value = active ? 1 : 0;
    for (int n = 1; n <= store.MacroCount(); ++n) {
        if (store.NicknameOf(n) != nickname || (table.ActiveOf(n) != 0) == active) continue;
        if (!store.SetMacroActive(n, value)) return 0;
        SetHotKeys(table, hooks);
        return n;
    }
    return 0;
}

void RemoveMacro(MacroStore& store, HookLibrary& hooks, int n) {
    for (int k = 1; k <= store.MacroCount(); ++k) {
        if (k == n || store.Table().ScopeOf(k) != kScopePopupMenu) continue;
        MacroRecord menu;
        if (store.ReadMacro(k, menu) && RenumberMembers(menu.MenuItems, n))
            store.WriteMacro(k, menu);
    }
    store.DeleteMacro(n);
    store.ReloadMacroFile();
    SetHotKeys(store.Table(), hooks);
}

}  // namespace tavrin
