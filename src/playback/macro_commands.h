#pragma once
// What a playing macro does to other macros of the file: finding one by
// nickname, making it active or inactive, removing it.
#include <string>

#include "platform/hook_library.h"
#include "store/macro_store.h"

namespace tavrin {

// The first macro whose nickname is exactly nickname, letter case
// included; 0 when none.
int FindMacroNamed(const MacroStore& store, const std::string& nickname);

// The first macro named nickname whose active flag is not already active
// gets it: in the table (published), in its record and in the hot key flags.
// Its number, or 0 when no macro changed.
int SetActiveByNickname(MacroStore& store, HookLibrary& hooks, const std::string& nickname,
                        bool active);

// Takes macro n out of every popup menu and lowers the later member
// numbers, removes its record, reloads the file and republishes the hot key
// flags.
void RemoveMacro(MacroStore& store, HookLibrary& hooks, int n);

}  // namespace tavrin
