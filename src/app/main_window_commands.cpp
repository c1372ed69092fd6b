// The main window's caption and its one table of commands: the menu items,
// the speed buttons and the lettered buttons carry the menu's ids, and the
// table turns an id into the model's command. The model runs most of them;
// the rest, which open windows of their own, are the frame's.
#include "app/main_window.h"

#include "app/main_window_res.h"
#include "app/menu_ids.h"
#include "forms/main_caption.h"

namespace tavrin {

namespace {

struct CommandEntry {
    int id;     // the first menu id
    int count;  // of a run of ids, the recent files and the wizards
    MainCommand command;
};

const CommandEntry kCommands[] = {
    {kMenuNewFile, 1, MainCommand::NewFile},
    {kMenuOpenFile, 1, MainCommand::OpenFile},
    {kMenuOutputInfo, 1, MainCommand::OutputInfo},
    {kMenuPrintList, 1, MainCommand::PrintList},
    {kMenuPrinterFont, 1, MainCommand::PrinterFont},
    {kMenuPrinterSetup, 1, MainCommand::PrinterSetup},
    {kMenuLastFile1, 5, MainCommand::RecentFile},
    {kMenuHide, 1, MainCommand::Hide},
    {kMenuTerminate, 1, MainCommand::Terminate},
    {kMenuShowDate, 1, MainCommand::ShowDate},
    {kMenuDisableSaver, 1, MainCommand::DisableSaver},
    {kMenuAlarm, 1, MainCommand::Alarm},
    {kMenuTimerInterval, 1, MainCommand::TimerInterval},
    {kMenuKeyHooks, 1, MainCommand::KeyHooks},
    {kMenuMouseHooks, 1, MainCommand::MouseHooks},
    {kMenuQuillets, 1, MainCommand::Quillets},
    {kMenuAppearance, 1, MainCommand::Appearance},
    {kMenuNetwork, 1, MainCommand::Network},
    {kMenuCapture, 1, MainCommand::Capture},
    {kMenuSettings, 1, MainCommand::Settings},
    {kMenuMouseLocator, 1, MainCommand::MouseLocator},
    {kMenuRemap, 1, MainCommand::Remap},
    {kMenuAddMacro, 1, MainCommand::AddMacro},
    {kMenuCopyMacro, 1, MainCommand::CopyMacro},
    {kMenuScripting, 1, MainCommand::Scripting},
    {kMenuModifyDirectly, 1, MainCommand::ModifyDirectly},
    {kMenuRecapture, 1, MainCommand::Recapture},
    {kMenuRename, 1, MainCommand::Rename},
    {kMenuActivate, 1, MainCommand::Activate},
    {kMenuRemove, 1, MainCommand::Remove},
    {kMenuOnDesktop, 1, MainCommand::OnDesktop},
    {kMenuQuickInfo, 1, MainCommand::QuickInfo},
    {kMenuImport, 1, MainCommand::Import},
    {kMenuExport, 1, MainCommand::Export},
    {kMenuSort, 1, MainCommand::Sort},
    {kMenuContents, 1, MainCommand::Contents},
    {kMenuTutorial, 1, MainCommand::Tutorial},
    {kMenuFirstTime, 1, MainCommand::FirstTime},
    {kMenuAbout, 1, MainCommand::About},
    {kMenuWizard1, 27, MainCommand::QuickWizard},
    {kTrayOpen, 1, MainCommand::TrayOpen},
    {kTrayHelp, 1, MainCommand::TrayHelp},
    {kTrayTerminate, 1, MainCommand::TrayTerminate},
};

}  // namespace

void MainWindow::OnCommand(int id) {
    // The commands that open a window of the frame's. A command in neither
    // the model nor here is one of a later version, and says so: today the
    // macro forms' Add, Copy, Scripting and Remove.
    struct FrameCommand {
        MainCommand command;
        void (MainWindow::*handler)();
    };
    static const FrameCommand frameCommands[] = {
        {MainCommand::Quillets, &MainWindow::MenuQuilletsClick},
        {MainCommand::Settings, &MainWindow::MenuSettingsClick},
        {MainCommand::Appearance, &MainWindow::MenuAppearanceClick},
        {MainCommand::KeyHooks, &MainWindow::MenuKeyHooksClick},
        {MainCommand::MouseHooks, &MainWindow::MenuMouseHooksClick},
        {MainCommand::Activate, &MainWindow::MenuActivateClick},
        {MainCommand::OnDesktop, &MainWindow::MenuOnDesktopClick},
        {MainCommand::QuickInfo, &MainWindow::MenuQuickInfoClick},
        {MainCommand::Sort, &MainWindow::MenuSortClick},
        {MainCommand::Tutorial, &MainWindow::MenuTutorialClick},
        {MainCommand::TrayOpen, &MainWindow::TrayOpenClick},
        {MainCommand::Remap, &MainWindow::MenuRemapClick},
        {MainCommand::Rename, &MainWindow::MenuRenameClick},
        {MainCommand::ModifyDirectly, &MainWindow::MenuModifyDirectlyClick},
        {MainCommand::Capture, &MainWindow::CaptureDefaultsClick},
        {MainCommand::Recapture, &MainWindow::RecaptureClick},
    };
    for (const CommandEntry& e : kCommands) {
        if (id < e.id || id >= e.id + e.count) continue;
        if (model_.Run(e.command, id - e.id)) return;
        for (const FrameCommand& f : frameCommands) {
            if (f.command == e.command) return (this->*f.handler)();
        }
        break;
    }
    NotBuiltYet(id);
}

void MainWindow::ApplyCommands() {
    const MacroCommandState st = model_.MacroState();
    // Captions first: a new caption enables its menu item.
    menu_.SetCaption(kMenuActivate, st.activateCaption);
    menu_.SetCaption(kMenuModifyDirectly, st.modifyCaption);
    panel_.SetCaption(kMenuActivate, st.activateCaption);
    panel_.SetCaption(kMenuModifyDirectly, st.modifyCaption);
    speed_.SetHint(kMenuActivate, st.activateHint);
    speed_.SetHint(kMenuModifyDirectly, st.modifyHint);
    for (const CommandEntry& e : kCommands) {
        const bool on = model_.Enabled(e.command, st);
        for (int k = 0; k < e.count; ++k) menu_.Enable(e.id + k, on);
        speed_.Enable(e.id, model_.ButtonEnabled(e.command, st));
        panel_.Enable(e.id, on);
    }
    menu_.Check(kMenuShowDate, model_.Checked(MainCommand::ShowDate));
    menu_.Check(kMenuDisableSaver, model_.Checked(MainCommand::DisableSaver));
    wizards_.Enable(model_.Enabled(MainCommand::QuickWizard, st));
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
    state.browseMode = model_.BrowseMode();
    state.browseAllMode = model_.BrowseAllMode();
    SetWindowTextA(hwnd_, MainCaption(state).c_str());
}

void MainWindow::RefreshMacroList() {
    list_.Fill();
    ApplyCommands();
    menuTrays_.Rebuild(app_.store);
}

void MainWindow::RefreshMacroList(int n) {
    RefreshMacroList();
    if (n > 0) list_.SelectMacro(n);
}

void MainWindow::ShowDateToggled() {
    UpdateCaption();
    controller_.Reschedule();
}

void MainWindow::MenuActivateClick() {
    controller_.ToggleActive(list_.RowCount(), list_.SelectedMacro());
}

}  // namespace tavrin
