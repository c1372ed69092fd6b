// "Modify &Directly" on a popup menu: Build Macro Menu, and the menu saved.
// Modifying other macros comes with the macro forms.
#include "app/main_window.h"

#include "app/menu_ids.h"
#include "store/hot_key_flags.h"
#include "ui/build_menu_dialog.h"

namespace tavrin {

void MainWindow::MenuModifyDirectlyClick() {
    const int n = list_.SelectedMacro();
    if (n <= 0 || app_.store.Table().ScopeOf(n) != kScopePopupMenu) return NotBuiltYet(kMenuModifyDirectly);
    MacroRecord record;
    if (!app_.store.ReadMacro(n, record)) return;
    BuildMenuForm form(app_.store, n);
    if (BuildMenuDialog(form, app_.programFolder + "\\Icons", app_.files, app_.fileSystem).Create(hwnd_) != IDOK) return;
    form.ApplyTo(record);
    if (!app_.store.WriteMacro(n, record)) return;
    SetHotKeys(app_.store.Table(), app_.hooks);
    RefreshMacroList();
}

}  // namespace tavrin
