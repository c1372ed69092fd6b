#pragma once
#include "base/macro_table.h"
#include "platform/hook_library.h"

namespace tavrin {

// True for the HotKey values that are activation kinds, not hot key codes.
bool IsActivationKind(uint16_t hotKey);

// Rebuilds HotKeyUsed from the active macros and HasQuillets from all
// macros, and publishes both.
void SetHotKeys(MacroTable& table, HookLibrary& hooks);

}  // namespace tavrin
