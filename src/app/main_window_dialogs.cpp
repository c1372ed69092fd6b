// The main window's option dialogs.
#include "app/main_window.h"

#include <commctrl.h>

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
    if (setTrayIconActive_) setTrayIconActive_(outcome.TrayIconActive);
    EnableMenuItem(menu_, kMenuHide,
                   MF_BYCOMMAND | (outcome.HideMenuEnabled ? MF_ENABLED : MF_GRAYED));
    SaveSettings(app_.profile, app_.settings);
}

void TMainWin::MenuAppearanceClick() {
    if (AppearDialog(app_.settings).Create(hwnd_) != IDOK) return;
    const Settings& s = app_.settings;
    for (int c = 0; c < 3; ++c) ListView_SetColumnWidth(list_, c + 1, s.ColWidth[c]);
    if (showSpeedButtons_) showSpeedButtons_(s.UseSpeed);
    LayoutList();
    InvalidateRect(hwnd_, nullptr, TRUE);
    SaveSettings(app_.profile, app_.settings);
}

}  // namespace tavrin
