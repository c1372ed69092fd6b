#pragma once
// The key-remap hook: a low-level keyboard hook of its own, on the hook
// thread, that reads the remap tables from the shared remap block on every
// key press. A key the user presses (never injected input, so neither our
// own playback nor the replacements it types itself) whose character the
// tables replace is kept from the programs, and the replacement is typed
// instead as a character of its own; a replacement of 0 types nothing.
// Keys pressed with Ctrl, Alt or Win are shortcuts and pass unchanged.
#include <windows.h>

namespace tavrin {

// Hook thread only. False when the block cannot be opened or the hook not
// installed.
bool InstallRemapHook(HMODULE module);
void RemoveRemapHook();
// Whether the remap hook, installed, replaces a plain key press that types c.
bool RemapReplaces(char c);

}  // namespace tavrin
