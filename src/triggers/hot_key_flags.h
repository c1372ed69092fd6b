#pragma once
#include "platform/hook_library.h"
#include "store/macro_table.h"

namespace tavrin {

// True for the HotKey values that are activation kinds, not hot key codes.
bool IsActivationKind(uint16_t hotKey);

// Rebuilds HotKeyUsed from the active macros and HasQuillets from all
// macros, and publishes both.
void SetHotKeys(MacroTable& table, HookLibrary& hooks);

}  // namespace tavrin
