#include "store/activate_toggle.h"

namespace tavrin {

ActivateToggleResult ToggleMacroActive(MacroStore& store, UserMessages& messages, int listCount,
                                       int selected) {
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
    uint8_t value = table.ActiveOf(selected) ? 0 : 1;
    table.SetActiveOf(selected, value);
    result.changed = true;
    result.nowActive = value == 1;
    result.caption = result.nowActive ? "Deacti&vate Macro" : "Acti&vate Macro";
    store.PublishItem(selected);
    store.SetMacroActive(selected, value);
    result.reschedule = table.HotKeyOf(selected) == kHotKeyTimed;
    return result;
}

}  // namespace tavrin
