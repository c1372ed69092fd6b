#include "control/main_window_model.h"

#include "forms/help_file.h"
#include "forms/mouse_locator.h"
#include "forms/quick_wizard_buttons.h"
#include "language/ansi_text.h"
#include "playback/network_commands.h"
#include "store/recent_files.h"

namespace tavrin {

namespace {

// The macro commands, whose states follow the selected macro.
bool MacroCommandOf(MainCommand c, MacroCommand& macro) {
    switch (c) {
        case MainCommand::AddMacro: macro = MacroCommand::Add; return true;
        case MainCommand::CopyMacro: macro = MacroCommand::Copy; return true;
        case MainCommand::Scripting: macro = MacroCommand::Scripting; return true;
        case MainCommand::ModifyDirectly: macro = MacroCommand::ModifyDirectly; return true;
        case MainCommand::Recapture: macro = MacroCommand::Recapture; return true;
        case MainCommand::Rename: macro = MacroCommand::Rename; return true;
        case MainCommand::Activate: macro = MacroCommand::Activate; return true;
        case MainCommand::Remove: macro = MacroCommand::Remove; return true;
        case MainCommand::OnDesktop: macro = MacroCommand::OnDesktop; return true;
        case MainCommand::QuickInfo: macro = MacroCommand::QuickInfo; return true;
        case MainCommand::Import: macro = MacroCommand::Import; return true;
        case MainCommand::Export: macro = MacroCommand::Export; return true;
        case MainCommand::Sort: macro = MacroCommand::Sort; return true;
        case MainCommand::Appearance: macro = MacroCommand::Appearance; return true;
        default: return false;
    }
}

}  // namespace

MainWindowModel::MainWindowModel(const MainWindowPlatform& platform, MacroStore& store,
                                 Settings& settings, std::string programFolder, MainFrame& frame)
    : platform_(platform),
      store_(store),
      settings_(settings),
      folder_(std::move(programFolder)),
      frame_(frame) {}

bool MainWindowModel::Start(const StartOptions& options) {
    browseMode_ = options.browseMode;
    browseAllMode_ = options.browseAllMode;
    started_ = true;
    return closeWhenStarted_;
}

// A close that comes while the start still runs (a message box of the
// macro file's loading is open, say) waits for its end.
bool MainWindowModel::MayClose() {
    if (!started_) {
        closeWhenStarted_ = true;
        return false;
    }
    closing_ = true;
    return true;
}

// The program hides itself in the tray or hidden display mode whenever the
// user clicks elsewhere, unless something of ours is still open: a pause, a
// popup menu of macros, or a dialog or message box. Once after a capture
// it stays, so the user sees the end of the capture.
void MainWindowModel::AppDeactivated() {
    if (skipDeactivate_) {
        skipDeactivate_ = false;
        return;
    }
    if (closing_ || terminating_ || !TrayOrHide()) return;
    if (frame_.PauseOrMenuOpen() || frame_.DialogOpen()) return;
    frame_.HideProgram();
}

// "Use Close" makes the close box hide the program, or minimise it when
// it is shown on the task bar.
bool MainWindowModel::OnCloseBox() {
    if (!settings_.UseClose) return false;
    if (TrayOrHide()) {
        frame_.HideProgram();
    } else {
        frame_.Minimise();
    }
    return true;
}

bool MainWindowModel::OnMinimiseBox() {
    if (!TrayOrHide()) return false;
    frame_.HideProgram();
    return true;
}

MacroCommandState MainWindowModel::MacroState() const {
    const int n = frame_.SelectedMacro();
    MacroCommandInput in;
    in.hasMacro = n > 0;
    if (n > 0) {
        in.hotKey = store_.Table().HotKeyOf(n);
        in.scope = store_.Table().ScopeOf(n);
        in.active = store_.Table().ActiveOf(n) != 0;
    }
    in.browseMode = browseMode_;
    in.browseAllMode = browseAllMode_;
    in.wizardsPage = wizardsPage_;
    return MacroCommands(in);
}

// Browse Mode leaves the macro file as it is: every command that would
// change it rests, and Browse All Mode rests opening, printing and the
// preferences too.
bool MainWindowModel::Enabled(MainCommand c, const MacroCommandState& macros) const {
    MacroCommand macro;
    if (MacroCommandOf(c, macro)) return macros.Enabled(macro);
    switch (c) {
        case MainCommand::NewFile:
        case MainCommand::Network:
        case MainCommand::Remap:
        case MainCommand::Quillets:
        case MainCommand::Capture:
        case MainCommand::DisableSaver:
        case MainCommand::PrintList:
        case MainCommand::QuickWizard:
            return !Browsing();
        case MainCommand::Hide:
            return TrayOrHide() && !browseAllMode_;
        case MainCommand::OpenFile:
        case MainCommand::PrinterSetup:
        case MainCommand::PrinterFont:
        case MainCommand::OutputInfo:
        case MainCommand::ShowDate:
        case MainCommand::Alarm:
        case MainCommand::TimerInterval:
        case MainCommand::Settings:
        case MainCommand::RecentFile:
            return !browseAllMode_;
        default:
            return true;
    }
}

// The speed button of "Open File" rests in Browse Mode too.
bool MainWindowModel::ButtonEnabled(MainCommand c, const MacroCommandState& macros) const {
    if (c == MainCommand::OpenFile && Browsing()) return false;
    return Enabled(c, macros);
}

bool MainWindowModel::Checked(MainCommand c) const {
    if (c == MainCommand::ShowDate) return settings_.ShowDate;
    if (c == MainCommand::DisableSaver) return settings_.DisableScreenSaver;
    return false;
}

bool MainWindowModel::Run(MainCommand c, int index) {
    switch (c) {
        case MainCommand::NewFile: ChooseFile(true); return true;
        case MainCommand::OpenFile: ChooseFile(false); return true;
        case MainCommand::RecentFile: OpenRecentFile(index); return true;
        case MainCommand::Hide:
            if (TrayOrHide()) frame_.HideProgram();
            return true;
        case MainCommand::Terminate: frame_.CloseProgram(); return true;
        case MainCommand::TrayTerminate:
            terminating_ = true;
            frame_.CloseProgram();
            return true;
        case MainCommand::ShowDate:
            settings_.ShowDate = !settings_.ShowDate;
            frame_.CommandsChanged();
            frame_.ShowDateToggled();
            SaveSettings(platform_.profile, settings_);
            return true;
        case MainCommand::DisableSaver:
            settings_.DisableScreenSaver = !settings_.DisableScreenSaver;
            frame_.CommandsChanged();
            SaveSettings(platform_.profile, settings_);
            return true;
        case MainCommand::Contents:
        case MainCommand::TrayHelp:
            OpenProgramFile(kHelpFile, "", kHelpFileMissing);
            return true;
        case MainCommand::MouseLocator:
            OpenProgramFile(kMouseLocatorFile, kMouseLocatorParameters, kMouseLocatorMissing);
            return true;
        case MainCommand::About:
            platform_.messages.ShowMessage("About Tavrin 99",
                                           "Tavrin 99\n\nMacros started by hot keys, Quillets, "
                                           "schedules, windows, menus and desktop links.");
            return true;
        case MainCommand::QuickWizard: StartQuickWizard(index + 1); return true;
        default: return false;
    }
}

void MainWindowModel::ChooseFile(bool newFile) {
    const std::string path = frame_.ChooseMacroFile(newFile);
    if (!path.empty()) OpenChosenFile(path);
}

// A file chosen in "New File" that exists already opens with its macros; a
// new name gets a new file with the system macros. "/F" comes this way too
// rather than straight to the store, so a name not ending in ".ZYN" is
// refused with its message and the previous file goes into the recent list,
// as when the user opens it.
void MainWindowModel::OpenChosenFile(const std::string& path) {
    if (path.size() < 4 || UpperCase(path.substr(path.size() - 4)) != ".ZYN") {
        platform_.messages.ShowMessage("Error", "Invalid file type selected.");
        return;
    }
    OpenMacroFile(path);
}

void MainWindowModel::OpenMacroFile(const std::string& path) {
    const std::string previous = settings_.CurrentFile;
    store_.LoadMacroFile(path);
    DoLastFiles(settings_.LastFile, previous, path);
    frame_.MacroFileOpened();
}

void MainWindowModel::OpenRecentFile(int k) {
    // A copy: the list changes while the file opens.
    const std::string path = settings_.LastFile[k];
    if (!platform_.files.Exists(path)) {
        platform_.messages.ShowMessage("Error", "File does not exist.");
        return;
    }
    OpenMacroFile(path);
}

void MainWindowModel::StartQuickWizard(int n) {
    if (n == kDialUpWizard && !platform_.dialUp.Available()) {
        platform_.messages.ShowMessage("Warning", kDialUpMissing);
        return;
    }
    const std::string refusal = QuickWizardRefusal(store_.MacroCount());
    if (!refusal.empty()) {
        platform_.messages.ShowMessage("Error", refusal);
        return;
    }
    platform_.messages.ShowMessage("Tavrin 99", "The Quick Wizard \"" + QuickWizardName(n) +
                                                    "\" is not available in this version of "
                                                    "Tavrin 99.");
}

void MainWindowModel::OpenTutorial() {
    OpenProgramFile("ZYTUT.PDF", "",
                    "The Tutorial / User Manual could not be located.  Please make sure that it "
                    "was installed.");
}

void MainWindowModel::OpenProgramFile(const std::string& name, const std::string& parameters,
                                      const std::string& missingText) {
    const std::string path = folder_ + "\\" + name;
    if (!platform_.files.Exists(path)) {
        platform_.messages.ShowMessage("Error", missingText);
        return;
    }
    if (platform_.desktop.Open(path, parameters) <= 32)
        platform_.messages.ShowMessage("Error", "\"" + path + "\" could not be opened.");
}

}  // namespace tavrin
