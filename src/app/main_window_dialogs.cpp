// The main window's option dialogs.
#include "app/main_window.h"

#include "app/menu_ids.h"
#include "ui/appear_dialog.h"
#include "ui/preference_dialog.h"
#include "ui/quillet_options_dialog.h"

namespace tavrin {

void MainWindow::MenuQuilletsClick() {
    if (QuilletOptionsDialog(app_.settings).Create(hwnd_) != IDOK) return;
    SaveSettings(app_.profile, app_.settings);
}

void MainWindow::MenuSettingsClick() {
    PreferenceDialog dialog(app_.settings);
    if (dialog.Create(hwnd_) != IDOK) return;
    const PreferenceOutcome& outcome = dialog.Outcome();
    tray_.Show(outcome.TrayIconActive);
    if (tray_.Added()) Trace("tray icon shown: Tavrin 99");
    menu_.Enable(kMenuHide, outcome.HideMenuEnabled);
    SaveSettings(app_.profile, app_.settings);
}

void MainWindow::MenuAppearanceClick() {
    if (AppearDialog(app_.settings).Create(hwnd_) != IDOK) return;
    ApplyAppearance();
    SaveSettings(app_.profile, app_.settings);
}

}  // namespace tavrin
