// "Rena&me Macro" on a system macro: the System Hot Keys dialog. Renaming
// other macros comes with the macro forms.
#include "app/main_window.h"

#include "app/kernel_objects.h"
#include "app/menu_ids.h"
#include "store/hot_key_flags.h"
#include "ui/system_keys_dialog.h"

namespace tavrin {

void MainWindow::MenuRenameClick() {
    const int n = list_.SelectedMacro();
    const MacroTable& t = app_.store.Table();
    if (n <= 0 || t.ScopeOf(n) != kScopeSystem || t.ScopeNameOf(n).empty()) return NotBuiltYet(kMenuRename);
    SystemKeysForm form(app_.store, app_.settings.SystemMenu);
    SystemKeysDialog dialog(form, app_.hooks, app_.store.Table(), app_.messages, HandleToU32(hwnd_),
                            t.ScopeNameOf(n)[0] - '0');
    if (dialog.Create(hwnd_) != IDOK) return;
    if (form.Save()) {
        SetHotKeys(app_.store.Table(), app_.hooks);
        RefreshMacroList();
    }
    app_.settings.SystemMenu = form.SystemMenu();
    SaveSettings(app_.profile, app_.settings);
    Trace("system hot keys saved");
}

}  // namespace tavrin
