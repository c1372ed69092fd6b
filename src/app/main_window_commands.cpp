// The main window's caption, its list and the commands of the options and
// tools menus.
#include "app/main_window.h"

#include "app/menu_ids.h"
#include "forms/macro_commands.h"
#include "forms/main_caption.h"

namespace tavrin {

void MainWindow::UpdateCaption() {
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

void MainWindow::RefreshMacroList() {
    list_.Fill();
    SetRowCommands();
    menuTrays_.Rebuild(app_.store);
}

MacroCommandState MainWindow::CommandState() const {
    const int n = list_.SelectedMacro();
    MacroCommandInput in;
    in.hasMacro = n > 0;
    if (n > 0) {
        in.hotKey = app_.store.Table().HotKeyOf(n);
        in.scope = app_.store.Table().ScopeOf(n);
        in.active = app_.store.Table().ActiveOf(n) != 0;
    }
    in.browseMode = options_.browseMode;
    in.browseAllMode = options_.browseAllMode;
    in.wizardsPage = wizardsPage_;
    return MacroCommands(in);
}

void MainWindow::SetRowCommands() {
    struct Binding {
        MacroCommand command;
        int id;
    };
    static const Binding bindings[] = {
        {MacroCommand::Add, kMenuAddMacro},        {MacroCommand::Copy, kMenuCopyMacro},
        {MacroCommand::Scripting, kMenuScripting}, {MacroCommand::ModifyDirectly, kMenuModifyDirectly},
        {MacroCommand::Recapture, kMenuRecapture}, {MacroCommand::Rename, kMenuRename},
        {MacroCommand::Activate, kMenuActivate},   {MacroCommand::Remove, kMenuRemove},
        {MacroCommand::OnDesktop, kMenuOnDesktop}, {MacroCommand::QuickInfo, kMenuQuickInfo},
        {MacroCommand::Import, kMenuImport},       {MacroCommand::Export, kMenuExport},
        {MacroCommand::Sort, kMenuSort},           {MacroCommand::Appearance, kMenuAppearance},
    };
    const MacroCommandState st = CommandState();
    // Captions first: a new caption enables its menu item.
    menu_.SetCaption(kMenuActivate, st.activateCaption);
    menu_.SetCaption(kMenuModifyDirectly, st.modifyCaption);
    panel_.SetCaption(kMenuActivate, st.activateCaption);
    panel_.SetCaption(kMenuModifyDirectly, st.modifyCaption);
    speed_.SetHint(kMenuActivate, st.activateHint);
    speed_.SetHint(kMenuModifyDirectly, st.modifyHint);
    for (const Binding& b : bindings) {
        const bool on = st.Enabled(b.command);
        menu_.Enable(b.id, on);
        speed_.Enable(b.id, on);
        panel_.Enable(b.id, on);
    }
}

// A menu command whose window comes with a later version: the user is told
// rather than left wondering why nothing happened.
void MainWindow::NotBuiltYet(int id) {
    const std::string caption = menu_.Caption(id);
    if (caption.empty()) return;
    app_.messages.ShowMessage("Tavrin 99", "\"" + caption +
                                               "\" is not available in this version of "
                                               "Tavrin 99.");
}

void MainWindow::MenuHideClick() {
    if (TrayOrHide()) HideProgram();
}

void MainWindow::MenuShowDateClick() {
    app_.settings.ShowDate = !app_.settings.ShowDate;
    menu_.Check(kMenuShowDate, app_.settings.ShowDate);
    UpdateCaption();
    controller_.Reschedule();
    SaveSettings(app_.profile, app_.settings);
}

void MainWindow::MenuDisableSaverClick() {
    app_.settings.DisableScreenSaver = !app_.settings.DisableScreenSaver;
    menu_.Check(kMenuDisableSaver, app_.settings.DisableScreenSaver);
    SaveSettings(app_.profile, app_.settings);
}

void MainWindow::MenuActivateClick() {
    controller_.ToggleActive(list_.RowCount(), list_.SelectedMacro());
}

}  // namespace tavrin
