#pragma once
// What the main window decides, without the window: when it hides, what
// closing it does, the macro file chosen and the recent files, the toggles
// of the menu, the page shown, the Browse modes and which command is
// enabled. The frame turns messages into calls and draws what the model
// says; it is reached through MainFrame.
#include <string>

#include "forms/macro_commands.h"
#include "platform/desktop.h"
#include "platform/dial_up.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/user_messages.h"
#include "startup/command_line.h"
#include "store/macro_store.h"
#include "store/settings.h"

namespace tavrin {

// Every command of the main window's menu, its buttons and the tray
// icon's menu.
enum class MainCommand {
    NewFile,
    OpenFile,
    OutputInfo,
    PrintList,
    PrinterFont,
    PrinterSetup,
    RecentFile,  // one of the five; the index says which
    Hide,
    Terminate,
    ShowDate,
    DisableSaver,
    Alarm,
    TimerInterval,
    KeyHooks,
    MouseHooks,
    Quillets,
    Appearance,
    Network,
    Capture,
    Settings,
    MouseLocator,
    Remap,
    AddMacro,
    CopyMacro,
    Scripting,
    ModifyDirectly,
    Recapture,
    Rename,
    Activate,
    Remove,
    OnDesktop,
    QuickInfo,
    Import,
    Export,
    Sort,
    Contents,
    Tutorial,
    FirstTime,
    About,
    QuickWizard,  // one of the 27; the index is the wizard's number less one
    TrayOpen,
    TrayHelp,
    TrayTerminate,
};

struct MainWindowPlatform {
    Files& files;
    Desktop& desktop;
    UserMessages& messages;
    Profile& profile;
    DialUp& dialUp;
};

// What only the window can do for the model.
class MainFrame {
public:
    virtual ~MainFrame() = default;
    virtual void HideProgram() = 0;
    virtual void Minimise() = 0;
    // Closes the program as its close box would.
    virtual void CloseProgram() = 0;
    // A dialog or a message box of ours is open (it disables the window).
    virtual bool DialogOpen() = 0;
    // A macro waits in a pause dialog or a popup menu of macros is shown.
    virtual bool PauseOrMenuOpen() = 0;
    // The macro selected in the list, 0 for none.
    virtual int SelectedMacro() = 0;
    // The common dialog's choice of a macro file; empty when cancelled.
    virtual std::string ChooseMacroFile(bool newFile) = 0;
    // Another macro file is current: its hot keys, schedule, remapping,
    // caption, list and recent files follow.
    virtual void MacroFileOpened() = 0;
    // The check marks or enabled states changed.
    virtual void CommandsChanged() = 0;
    // "Show Date & Time" changed: the caption and the schedule follow.
    virtual void ShowDateToggled() = 0;
};

class MainWindowModel {
public:
    MainWindowModel(const MainWindowPlatform& platform, MacroStore& store, Settings& settings,
                    std::string programFolder, MainFrame& frame);

    // The rest of start-up: the Browse modes of the command line. True when
    // a close came before and is to be sent again now.
    bool Start(const StartOptions& options);
    // A close of the window: false while the start still runs (the close
    // waits for its end), true when the program is to end now.
    bool MayClose();
    bool Closing() const { return closing_; }

    // The program lost the focus: it hides in the tray or hidden display
    // mode, unless something of ours is still open.
    void AppDeactivated();
    // Shown after a capture: the next loss of focus keeps it.
    void KeepThroughNextDeactivation() { skipDeactivate_ = true; }
    // The close box and the minimise box; false leaves them to the system.
    bool OnCloseBox();
    bool OnMinimiseBox();
    bool TrayOrHide() const { return settings_.UseTray || settings_.UseHide; }

    bool BrowseMode() const { return browseMode_; }
    bool BrowseAllMode() const { return browseAllMode_; }
    bool Browsing() const { return browseMode_ || browseAllMode_; }
    // "&Quick Wizards" in front instead of "M&acros".
    void ShowPage(bool wizards) { wizardsPage_ = wizards; }
    bool WizardsPage() const { return wizardsPage_; }

    // The macro commands' states and captions for the selected macro.
    MacroCommandState MacroState() const;
    // The menu item of command c; its button, where it has one.
    bool Enabled(MainCommand c) const { return Enabled(c, MacroState()); }
    bool ButtonEnabled(MainCommand c) const { return ButtonEnabled(c, MacroState()); }
    // The same with the macro commands' states already worked out, for a
    // walk over every command.
    bool Enabled(MainCommand c, const MacroCommandState& macros) const;
    bool ButtonEnabled(MainCommand c, const MacroCommandState& macros) const;
    bool Checked(MainCommand c) const;

    // Runs command c; false when it is the window's to run.
    bool Run(MainCommand c, int index);

    // "/F" and "New File": a name not ending in ".ZYN" is refused.
    void OpenChosenFile(const std::string& path);
    // Makes path the current macro file; the previous one goes into the
    // recent files.
    void OpenMacroFile(const std::string& path);
    // The tutorial, once its notice was accepted.
    void OpenTutorial();

private:
    void ChooseFile(bool newFile);
    void OpenRecentFile(int k);
    void StartQuickWizard(int n);
    // A file of the program folder opened in the shell; a missing file is
    // reported in a box titled "Error" with missingText.
    void OpenProgramFile(const std::string& name, const std::string& parameters,
                         const std::string& missingText);

    MainWindowPlatform platform_;
    MacroStore& store_;
    Settings& settings_;
    std::string folder_;
    MainFrame& frame_;
    bool browseMode_ = false;
    bool browseAllMode_ = false;
    bool wizardsPage_ = false;
    bool started_ = false;           // Start has run
    bool closeWhenStarted_ = false;  // a close came before that
    bool closing_ = false;
    bool terminating_ = false;     // the tray menu's terminate: no hiding while closing
    bool skipDeactivate_ = false;
};

}  // namespace tavrin
