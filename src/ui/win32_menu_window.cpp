#include "ui/win32_menu_window.h"

#include "ui/choose_macro_dialog.h"

namespace tavrin {

int Win32MenuWindow::ChooseMacro(const MenuRequest& request) {
    const bool hide = !settings_.UseHide && owner_ && IsWindowVisible(owner_);
    const bool iconic = hide && IsIconic(owner_);
    if (hide) {
        if (iconic) ShowWindow(owner_, SW_RESTORE);
        ShowWindow(owner_, SW_HIDE);
    }
    ChooseMacroDialog dialog(request);
    dialog.Create(owner_);
    if (hide) ShowWindow(owner_, iconic ? SW_SHOWMINNOACTIVE : SW_SHOWNA);
    return dialog.Chosen();
}

}  // namespace tavrin
