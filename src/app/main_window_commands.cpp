// The main window's caption, its list and the commands of the options and
// tools menus.
#include "app/main_window.h"

#include "app/menu_ids.h"
#include "forms/main_caption.h"

namespace tavrin {

void TMainWin::DoCaption() {
    CaptionState state;
    state.currentFile = app_.settings.CurrentFile;
    state.showDate = app_.settings.ShowDate;
    if (state.showDate) {
        char date[64] = "", time[64] = "";
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
        GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
        state.date = date;
        state.time = time;
    }
    state.browseMode = options_.browseMode;
    state.browseAllMode = options_.browseAllMode;
    SetWindowTextA(hwnd_, MainCaption(state).c_str());
}

void TMainWin::RefreshMacroList() {
    list_.Fill(app_.store);
    SetRowCommands();
    menuTrays_.Rebuild(app_.store);
}

// The commands on the selected macro follow the selection.
void TMainWin::SetRowCommands() {
    const int n = list_.SelectedMacro();
    const bool browsing = options_.browseMode || options_.browseAllMode;
    menu_.Enable(kMenuActivate, n > 0 && !browsing && app_.store.Table().ScopeOf(n) != kScopeSystem);
    const bool active = n > 0 && app_.store.Table().ActiveOf(n);
    menu_.SetCaption(kMenuActivate, active ? "Deacti&vate Macro" : "Acti&vate Macro");
}

// A menu command whose window comes with a later version: the user is told
// rather than left wondering why nothing happened.
void TMainWin::NotBuiltYet(int id) {
    const std::string caption = menu_.Caption(id);
    if (caption.empty()) return;
    app_.messages.ShowMessage("Tavrin 99", "\"" + caption +
                                               "\" is not available in this version of "
                                               "Tavrin 99.");
}

void TMainWin::MenuHideClick() {
    if (TrayOrHide()) HideProgram();
}

void TMainWin::MenuShowDateClick() {
    app_.settings.ShowDate = !app_.settings.ShowDate;
    menu_.Check(kMenuShowDate, app_.settings.ShowDate);
    DoCaption();
    controller_.Reschedule();
    SaveSettings(app_.profile, app_.settings);
}

void TMainWin::MenuDisableSaverClick() {
    app_.settings.DisableScreenSaver = !app_.settings.DisableScreenSaver;
    menu_.Check(kMenuDisableSaver, app_.settings.DisableScreenSaver);
    SaveSettings(app_.profile, app_.settings);
}

void TMainWin::MenuActivateClick() {
    controller_.ToggleActive(list_.RowCount(), list_.SelectedMacro());
}

}  // namespace tavrin
