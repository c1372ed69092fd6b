#pragma once
// Activating and deactivating the selected macro: the table and file side.
#include <string>

#include "platform/hook_library.h"
#include "platform/user_messages.h"
#include "store/macro_store.h"

namespace tavrin {

struct ActivateToggleResult {
    bool changed = false;
    bool nowActive = false;
    // A timed macro changed: the timed macros must be rescheduled.
    bool reschedule = false;
    // The caption of the menu item and button from now on.
    std::string caption;
};

// listCount is the number of rows in the macro list; selected is the macro
// number of the selected row, 0 when none is selected.
// A change is written to the file first, then to the table, the hook
// library's entry and the hot key flags.
ActivateToggleResult ToggleMacroActive(MacroStore& store, HookLibrary& hooks,
                                       UserMessages& messages, int listCount, int selected);

}  // namespace tavrin
