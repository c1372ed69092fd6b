// The main window's "&Remap": the keyboard remapper dialog, whose changes
// are saved to the remap file and take effect at once.
#include "app/main_window.h"

#include "ui/remap_dialog.h"

namespace tavrin {

void MainWindow::MenuRemapClick() {
    RemapForm form(app_.remapper.Tables());
    if (RemapDialog(form, model_.Browsing()).Create(hwnd_) != IDOK ||
        !form.Changed())
        return;
    const bool hooked = app_.remapper.HookInstalled();
    app_.remapper.Change(form.Tables());
    if (hooked != app_.remapper.HookInstalled())
        Trace(hooked ? "remap hook removed" : "remap hook installed");
}

}  // namespace tavrin
