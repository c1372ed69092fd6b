#pragma once
// Handing the macro table to the hook library at start and taking the hooks
// away at shutdown, in the order the library relies on.
#include <cstdint>

#include "base/macro_table.h"
#include "platform/hook_library.h"

namespace tavrin {

struct HookHandles {
    uint32_t swap = 0;  // only while keys are remapped
    uint32_t cbt = 0;
    uint32_t keyboard = 0;
    uint32_t mouse = 0;
};

struct HookStartInfo {
    uint32_t mainWindow = 0;
    bool remapInUse = false;
    bool isNT = true;
    bool buttonsSwapped = false;
};

HookHandles StartHooks(MacroTable& table, HookLibrary& hooks, const HookStartInfo& info);
void StopHooks(const HookHandles& handles, HookLibrary& hooks);

}  // namespace tavrin
