#include "store/activate_toggle.h"

#include "store/hot_key_flags.h"

namespace tavrin {

ActivateToggleResult ToggleMacroActive(MacroStore& store, HookLibrary& hooks,
                                       UserMessages& messages, int listCount, int selected) {
    ActivateToggleResult result;
    if (listCount == 0) {
        messages.ShowMessage("Error", "No hot keys have been added yet.  Please add one first.");
        return result;
    }
    if (selected < 1 || selected > store.MacroCount()) {
        messages.ShowMessage("Error", "No hot key selected.  Please select one.");
        return result;
    }
    MacroTable& table = store.Table();
    const uint8_t value = table.ActiveOf(selected) ? 0 : 1;
    // The file first: when it cannot be written the store says so and
    // neither the table nor the hot keys change.
    if (!store.SetMacroActive(selected, value)) return result;
    SetHotKeys(table, hooks);
    result.changed = true;
    result.nowActive = value == 1;
    result.caption = result.nowActive ? "Deacti&vate Macro" : "Acti&vate Macro";
    result.reschedule = table.HotKeyOf(selected) == kHotKeyTimed;
    return result;
}

}  // namespace tavrin
