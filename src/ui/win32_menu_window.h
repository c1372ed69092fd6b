#pragma once
// Shows "Choose A Macro" over the main window, which is hidden while the
// menu is open (unless the program is hidden already) and shown again as
// it was afterwards.
#include <windows.h>

#include "store/settings.h"
#include "triggers/menu_window.h"

namespace tavrin {

class Win32MenuWindow : public MenuWindow {
public:
    explicit Win32MenuWindow(const Settings& settings) : settings_(settings) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    int ChooseMacro(const MenuRequest& request) override;

private:
    const Settings& settings_;
    HWND owner_ = nullptr;
};

}  // namespace tavrin
