#include "forms/system_keys_form.h"

#include "forms/hot_key_check.h"
#include "store/hot_key_codes.h"

namespace tavrin {

SystemKeysForm::SystemKeysForm(MacroStore& store, int systemMenu)
    : store_(store), systemMenu_(systemMenu >= 1 && systemMenu <= 3 ? systemMenu : 1) {
    const MacroTable& t = store.Table();
    for (int n = t.MacroCount(); n >= 1; --n) {
        if (t.ScopeOf(n) != kScopeSystem || t.ScopeNameOf(n).empty()) continue;
        const int f = t.ScopeNameOf(n)[0] - '0';
        if (f < 1 || f > 4) continue;
        macros_[f - 1] = n;  // the first in table order wins, as for the hot keys
        codes_[f - 1] = original_[f - 1] = t.HotKeyOf(n);
    }
}

std::string SystemKeysForm::KeyName(int function) const {
    return MacroOf(function) ? HotKeyName(Code(function)) : "";
}

FormCheck SystemKeysForm::Press(int function, uint16_t code, UserMessages& messages) {
    const MacroTable& t = store_.Table();
    for (int n = 1; n <= t.MacroCount(); ++n) {
        const int16_t scope = t.ScopeOf(n);
        if (t.HotKeyOf(n) != code ||
            (scope != kScopeGlobal && scope != kScopePopupMenu && scope != kScopeSystem))
            continue;
        return {false, "Error",
                "The hot key \"" + HotKeyName(code) +
                    "\" is already in use by a macro.  If you wish to use this hot key "
                    "combination, you will first need to either remove or move the macro which "
                    "is assigned to it."};
    }
    if (!ConfirmHotKeyChoice(messages, code)) return {false, "", ""};
    codes_[function - 1] = code;
    return {};
}

FormCheck SystemKeysForm::CheckAll() const {
    for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) {
            if (macros_[a] && macros_[b] && codes_[a] == codes_[b])
                return {false, "Error",
                        "The same hot key has been assigned to more than one system command."};
        }
    }
    return {};
}

bool SystemKeysForm::Save() {
    bool changed = false;
    for (int f = 0; f < 4; ++f) {
        if (!macros_[f] || codes_[f] == original_[f]) continue;
        MacroRecord record;
        if (!store_.ReadMacro(macros_[f], record)) continue;
        record.HotKey = codes_[f];
        if (store_.WriteMacro(macros_[f], record)) {
            original_[f] = codes_[f];
            changed = true;
        }
    }
    return changed;
}

}  // namespace tavrin
