#include "store/hot_key_flags.h"

#include "store/macro_record.h"

namespace tavrin {

bool IsActivationKind(uint16_t hotKey) {
    return hotKey == kHotKeyTimed || hotKey == kHotKeyQuillet || hotKey == kHotKeyWindowTitle ||
           hotKey == kHotKeyNone;
}

void SetHotKeys(MacroTable& table, HookLibrary& hooks) {
    for (size_t code = 0; code < kHotKeyCodes; ++code) table.SetHotKeyUsed(code, 0);
    bool quillets = false;
    for (int n = 1; n <= table.MacroCount(); ++n) {
        uint16_t hotKey = table.HotKeyOf(n);
        if (hotKey == kHotKeyQuillet) quillets = true;
        // A code outside the list can only come from a damaged file.
        if (!IsActivationKind(hotKey) && hotKey < kHotKeyCodes && table.ActiveOf(n))
            table.SetHotKeyUsed(hotKey, 1);
    }
    table.SetByte(table::HasQuillets, quillets ? 1 : 0);
    hooks.ZynUpKeys(table);
}

}  // namespace tavrin
