// The main window's option dialogs.
#include "app/main_window.h"

#include "app/menu_ids.h"
#include "ui/appear_dialog.h"
#include "ui/preference_dialog.h"
#include "ui/quillet_options_dialog.h"

namespace tavrin {

void TMainWin::MenuQuilletsClick() {
    if (QuilletOptionsDialog(app_.settings).Create(hwnd_) != IDOK) return;
    SaveSettings(app_.profile, app_.settings);
}

void TMainWin::MenuSettingsClick() {
    PreferenceDialog dialog(app_.settings);
    if (dialog.Create(hwnd_) != IDOK) return;
    const PreferenceOutcome& outcome = dialog.Outcome();
    tray_.Show(outcome.TrayIconActive);
    menu_.Enable(kMenuHide, outcome.HideMenuEnabled);
    SaveSettings(app_.profile, app_.settings);
}

void TMainWin::MenuAppearanceClick() {
    if (AppearDialog(app_.settings).Create(hwnd_) != IDOK) return;
    // The grid fonts, the icon column and the speed or lettered buttons
    // come with the full macro grid; the widths apply now.
    list_.SetColumnWidths(app_.settings);
    FormResize();
    InvalidateRect(hwnd_, nullptr, TRUE);
    SaveSettings(app_.profile, app_.settings);
}

}  // namespace tavrin
