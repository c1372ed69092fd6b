#pragma once
// Following which window is in front and which programs run, and starting
// the Window Title macros of a window that comes to the front.
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/hook_library.h"
#include "store/macro_store.h"

namespace tavrin {

// Publishes the upper-case names of the running programs (only ".EXE"
// names, at most 200, each cut to 25 characters).
void SetRunningProgs(MacroTable& table, HookLibrary& hooks,
                     const std::vector<RunningProcess>& processes);

// The active Window Title macros whose text occurs in the title, in table
// order.
std::vector<int> WindowTitleMacros(const MacroTable& table, const std::string& title);

// Message 0x407: publishes the window's program as FrontProgram and the
// running programs; returns the Window Title macros to play for it.
std::vector<int> OnWindowActivated(MacroStore& store, HookLibrary& hooks, Desktop& desktop,
                                   WindowId window);

}  // namespace tavrin
