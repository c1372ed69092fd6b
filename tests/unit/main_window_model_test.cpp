#include "control/main_window_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_profile.h"
#include "playback_rig.h"
#include "store/macro_record.h"
#include "store/recent_files.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;
const std::string kFile = "C:\\TAVRIN\\KELDA.ZYN";

class FakeFrame : public MainFrame {
public:
    Strings calls;
    bool dialogOpen = false;
    bool pauseOrMenuOpen = false;
    int selected = 0;
    std::string chosen;  // what the file dialog answers
    void HideProgram() override { calls.push_back("hide"); }
    void Minimise() override { calls.push_back("minimise"); }
    void CloseProgram() override { calls.push_back("close"); }
    bool DialogOpen() override { return dialogOpen; }
    bool PauseOrMenuOpen() override { return pauseOrMenuOpen; }
    int SelectedMacro() override { return selected; }
    std::string ChooseMacroFile(bool newFile) override {
        calls.push_back(newFile ? "choose new" : "choose open");
        return chosen;
    }
    void MacroFileOpened() override { calls.push_back("opened"); }
    void CommandsChanged() override { calls.push_back("commands"); }
    void ShowDateToggled() override { calls.push_back("date"); }
};

class MainWindowModelTest : public ::testing::Test, protected FakePlatform {
protected:
    FakeProfile profile;
    FakeFrame frame;
    Settings settings;
    MacroStore store{files, hooks, messages, clock, "C:\\TAVRIN", settings.CurrentFile};
    MainWindowModel model{{files, desktop, messages, profile, system.dialUp}, store, settings,
                          "C:\\TAVRIN", frame};

    // Macros 1.. as given; the system macros follow them.
    void Load(const std::vector<MacroRecord>& records) {
        std::vector<uint8_t>& bytes = files.contents[kFile];
        bytes.assign(records.size() * kMacroRecordSize, 0);
        for (size_t k = 0; k < records.size(); ++k)
            EncodeMacroRecord(records[k], &bytes[k * kMacroRecordSize]);
        store.LoadMacroFile(kFile);
    }
    static MacroRecord Macro(int16_t scope, uint16_t hotKey = 157) {
        MacroRecord r;
        r.Nickname = "M";
        r.MacroText = "Hello";
        r.HotKey = hotKey;
        r.Scope = scope;
        r.IconFile = "MAIN";
        return r;
    }
    void StartIn(bool browse, bool browseAll) {
        StartOptions options;
        options.browseMode = browse;
        options.browseAllMode = browseAll;
        model.Start(options);
    }
    void Display(bool tray, bool hide) {
        settings.UseTray = tray;
        settings.UseHide = hide;
    }
    // The settings as the next start reads them.
    Settings Saved() {
        Settings s;
        LoadSettings(profile, files, "C:\\TAVRIN", s);
        return s;
    }
    // The enabled commands among those given, as their menu captions.
    std::string EnabledOf(const std::vector<std::pair<MainCommand, const char*>>& commands) {
        std::string on;
        for (const auto& c : commands) {
            if (model.Enabled(c.first)) on += std::string(on.empty() ? "" : " ") + c.second;
        }
        return on;
    }
};

TEST_F(MainWindowModelTest, HidesOnLosingTheFocusOnlyInTrayOrHiddenModeWithNothingOfOursOpen) {
    StartIn(false, false);
    Display(false, false);
    model.AppDeactivated();
    EXPECT_TRUE(frame.calls.empty()) << "shown on the task bar it stays";

    Display(true, false);
    model.AppDeactivated();
    Display(false, true);
    model.AppDeactivated();
    EXPECT_EQ(frame.calls, (Strings{"hide", "hide"}));

    frame.calls.clear();
    frame.dialogOpen = true;
    model.AppDeactivated();
    frame.dialogOpen = false;
    frame.pauseOrMenuOpen = true;  // a pause dialog, or a popup menu of macros
    model.AppDeactivated();
    frame.pauseOrMenuOpen = false;
    EXPECT_TRUE(frame.calls.empty());

    // Shown at a capture's end: the next loss of focus keeps it, the one
    // after hides it.
    model.KeepThroughNextDeactivation();
    model.AppDeactivated();
    EXPECT_TRUE(frame.calls.empty());
    model.AppDeactivated();
    EXPECT_EQ(frame.calls, (Strings{"hide"}));

    // Closing: the focus lost on the way does not hide it.
    frame.calls.clear();
    ASSERT_TRUE(model.MayClose());
    model.AppDeactivated();
    EXPECT_TRUE(frame.calls.empty());
}

TEST_F(MainWindowModelTest, TheTrayMenusTerminateClosesWithoutHiding) {
    StartIn(false, false);
    Display(true, false);
    EXPECT_TRUE(model.Run(MainCommand::TrayTerminate, 0));
    model.AppDeactivated();
    EXPECT_EQ(frame.calls, (Strings{"close"}));
}

TEST_F(MainWindowModelTest, CloseAndMinimiseBoxesInEachDisplayMode) {
    StartIn(false, false);
    struct Case {
        bool tray, hide, useClose;
        bool closeHandled;
        const char* closeDoes;
        bool minimiseHandled;
    };
    const Case cases[] = {
        {false, false, false, false, "", false},      // the system closes and minimises
        {false, false, true, true, "minimise", false},
        {true, false, false, false, "", true},
        {true, false, true, true, "hide", true},
        {false, true, true, true, "hide", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.tray) + std::to_string(c.hide) + std::to_string(c.useClose));
        Display(c.tray, c.hide);
        settings.UseClose = c.useClose;
        frame.calls.clear();
        EXPECT_EQ(model.OnCloseBox(), c.closeHandled);
        EXPECT_EQ(frame.calls, c.closeDoes[0] ? Strings{c.closeDoes} : Strings{});
        frame.calls.clear();
        EXPECT_EQ(model.OnMinimiseBox(), c.minimiseHandled);
        EXPECT_EQ(frame.calls, c.minimiseHandled ? Strings{"hide"} : Strings{});
    }
    // "&Hide" hides only where the program can be brought back.
    Display(false, false);
    frame.calls.clear();
    model.Run(MainCommand::Hide, 0);
    EXPECT_TRUE(frame.calls.empty());
    Display(true, false);
    model.Run(MainCommand::Hide, 0);
    EXPECT_EQ(frame.calls, (Strings{"hide"}));
}

TEST_F(MainWindowModelTest, ACloseBeforeTheStartWaitsForIt) {
    EXPECT_FALSE(model.MayClose());
    EXPECT_FALSE(model.Closing());
    EXPECT_TRUE(model.Start(StartOptions{})) << "the close is sent again";
    EXPECT_TRUE(model.MayClose());
    EXPECT_TRUE(model.Closing());

    MainWindowModel quiet{{files, desktop, messages, profile, system.dialUp}, store, settings,
                          "C:\\TAVRIN", frame};
    EXPECT_FALSE(quiet.Start(StartOptions{}));
}

TEST_F(MainWindowModelTest, ChosenFilesMustEndInZynAndGoIntoTheRecentList) {
    Load({});
    settings.LastFile = {};
    model.OpenChosenFile("C:\\TAVRIN\\NOTES.TXT");
    model.OpenChosenFile("ZYN");
    EXPECT_EQ(messages.shown, (Strings{"Error: Invalid file type selected.",
                                       "Error: Invalid file type selected."}));
    EXPECT_EQ(settings.CurrentFile, kFile);
    EXPECT_TRUE(frame.calls.empty());

    // Through the file menu, the lower-case ending as well; a cancelled
    // dialog opens nothing.
    frame.chosen = "C:\\TAVRIN\\two.zyn";
    model.Run(MainCommand::OpenFile, 0);
    frame.chosen = "";
    model.Run(MainCommand::NewFile, 0);
    EXPECT_EQ(frame.calls, (Strings{"choose open", "opened", "choose new"}));
    EXPECT_EQ(settings.CurrentFile, "C:\\TAVRIN\\two.zyn");
    EXPECT_EQ(settings.LastFile[0], kFile);

    // Five at most, newest first; a file opened again moves to the top
    // rather than standing twice.
    for (const char* name : {"C:\\A.ZYN", "C:\\B.ZYN", "C:\\C.ZYN", "C:\\D.ZYN", "C:\\E.ZYN"})
        model.OpenChosenFile(name);
    EXPECT_EQ(settings.LastFile, (RecentFiles{"C:\\D.ZYN", "C:\\C.ZYN", "C:\\B.ZYN", "C:\\A.ZYN",
                                              "C:\\TAVRIN\\two.zyn"}));
    model.OpenChosenFile("C:\\B.ZYN");
    EXPECT_EQ(settings.LastFile, (RecentFiles{"C:\\E.ZYN", "C:\\D.ZYN", "C:\\C.ZYN", "C:\\A.ZYN",
                                              "C:\\TAVRIN\\two.zyn"}));
}

TEST_F(MainWindowModelTest, ARecentFileThatIsGoneIsReportedAndTheListStays) {
    Load({});
    files.contents["C:\\B.ZYN"];
    settings.LastFile = {"C:\\GONE.ZYN", "C:\\B.ZYN", "", "", ""};
    model.Run(MainCommand::RecentFile, 0);
    EXPECT_EQ(messages.shown, (Strings{"Error: File does not exist."}));
    EXPECT_EQ(settings.CurrentFile, kFile);
    EXPECT_EQ(settings.LastFile, (RecentFiles{"C:\\GONE.ZYN", "C:\\B.ZYN", "", "", ""}));

    model.Run(MainCommand::RecentFile, 1);
    EXPECT_EQ(settings.CurrentFile, "C:\\B.ZYN");
    EXPECT_EQ(settings.LastFile, (RecentFiles{kFile, "C:\\GONE.ZYN", "", "", ""}));
    EXPECT_EQ(frame.calls, (Strings{"opened"}));
}

TEST_F(MainWindowModelTest, ToggledMenuItemsAreCheckedAndSaved) {
    StartIn(false, false);
    settings.ShowDate = false;
    settings.DisableScreenSaver = false;
    model.Run(MainCommand::ShowDate, 0);
    EXPECT_TRUE(model.Checked(MainCommand::ShowDate));
    EXPECT_EQ(frame.calls, (Strings{"commands", "date"}));
    EXPECT_TRUE(Saved().ShowDate);

    frame.calls.clear();
    model.Run(MainCommand::DisableSaver, 0);
    model.Run(MainCommand::DisableSaver, 0);
    model.Run(MainCommand::DisableSaver, 0);
    EXPECT_TRUE(model.Checked(MainCommand::DisableSaver));
    EXPECT_TRUE(model.Checked(MainCommand::ShowDate));
    EXPECT_EQ(frame.calls, (Strings{"commands", "commands", "commands"}));
    EXPECT_TRUE(Saved().DisableScreenSaver);
    EXPECT_TRUE(Saved().ShowDate);
    EXPECT_FALSE(model.Checked(MainCommand::Hide));
}

TEST_F(MainWindowModelTest, EveryCommandsStateInEachMode) {
    Load({Macro(kScopeGlobal)});
    Display(true, false);
    frame.selected = 1;
    const std::vector<std::pair<MainCommand, const char*>> all = {
        {MainCommand::NewFile, "New"},          {MainCommand::OpenFile, "Open"},
        {MainCommand::OutputInfo, "Output"},    {MainCommand::PrintList, "Print"},
        {MainCommand::PrinterFont, "Font"},     {MainCommand::PrinterSetup, "Setup"},
        {MainCommand::RecentFile, "Recent"},    {MainCommand::Hide, "Hide"},
        {MainCommand::Terminate, "Terminate"},  {MainCommand::ShowDate, "Date"},
        {MainCommand::DisableSaver, "Saver"},   {MainCommand::Alarm, "Alarm"},
        {MainCommand::TimerInterval, "Timer"},  {MainCommand::KeyHooks, "KeyHooks"},
        {MainCommand::MouseHooks, "MouseHooks"}, {MainCommand::Quillets, "Quillets"},
        {MainCommand::Appearance, "Appearance"}, {MainCommand::Network, "Network"},
        {MainCommand::Capture, "Capture"},      {MainCommand::Settings, "Settings"},
        {MainCommand::MouseLocator, "Locator"}, {MainCommand::Remap, "Remap"},
        {MainCommand::AddMacro, "Add"},         {MainCommand::CopyMacro, "Copy"},
        {MainCommand::Scripting, "Scripting"},  {MainCommand::ModifyDirectly, "Modify"},
        {MainCommand::Recapture, "Recapture"},  {MainCommand::Rename, "Rename"},
        {MainCommand::Activate, "Activate"},    {MainCommand::Remove, "Remove"},
        {MainCommand::OnDesktop, "Desktop"},    {MainCommand::QuickInfo, "Info"},
        {MainCommand::Import, "Import"},        {MainCommand::Export, "Export"},
        {MainCommand::Sort, "Sort"},            {MainCommand::Contents, "Contents"},
        {MainCommand::Tutorial, "Tutorial"},    {MainCommand::FirstTime, "FirstTime"},
        {MainCommand::About, "About"},          {MainCommand::QuickWizard, "Wizard"},
        {MainCommand::TrayOpen, "TrayOpen"},    {MainCommand::TrayHelp, "TrayHelp"},
        {MainCommand::TrayTerminate, "TrayTerminate"},
    };
    const std::string everything =
        "New Open Output Print Font Setup Recent Hide Terminate Date Saver Alarm Timer KeyHooks "
        "MouseHooks Quillets Appearance Network Capture Settings Locator Remap Add Copy "
        "Scripting Modify Recapture Rename Activate Remove Desktop Info Import Export Sort "
        "Contents Tutorial FirstTime About Wizard TrayOpen TrayHelp TrayTerminate";
    EXPECT_EQ(EnabledOf(all), everything);
    EXPECT_TRUE(model.ButtonEnabled(MainCommand::OpenFile));

    // Shown on the task bar, "&Hide" has nowhere to hide the program.
    Display(false, false);
    EXPECT_FALSE(model.Enabled(MainCommand::Hide));
    Display(true, false);

    StartIn(true, false);
    EXPECT_EQ(EnabledOf(all),
              "Open Output Font Setup Recent Hide Terminate Date Alarm Timer KeyHooks "
              "MouseHooks Settings Locator Desktop Info Sort Contents Tutorial FirstTime About "
              "TrayOpen TrayHelp TrayTerminate");
    EXPECT_FALSE(model.ButtonEnabled(MainCommand::OpenFile)) << "its speed button rests";
    EXPECT_TRUE(model.Browsing());

    StartIn(false, true);
    EXPECT_EQ(EnabledOf(all),
              "Terminate KeyHooks MouseHooks Locator Desktop Contents Tutorial FirstTime About "
              "TrayOpen TrayHelp TrayTerminate");
    EXPECT_FALSE(model.ButtonEnabled(MainCommand::OpenFile));

    // The wizard page rests the macro page's commands.
    StartIn(false, false);
    model.ShowPage(true);
    EXPECT_EQ(EnabledOf(all),
              "New Open Output Print Font Setup Recent Hide Terminate Date Saver Alarm Timer "
              "KeyHooks MouseHooks Quillets Network Capture Settings Locator Remap Add "
              "Contents Tutorial FirstTime About Wizard TrayOpen TrayHelp TrayTerminate");
}

TEST_F(MainWindowModelTest, MacroCommandsFollowTheSelectedMacro) {
    Load({Macro(kScopeGlobal), Macro(kScopePopupMenu), Macro(kScopeGlobal, kHotKeyTimed)});
    StartIn(false, false);
    frame.selected = 0;
    EXPECT_FALSE(model.Enabled(MainCommand::CopyMacro));
    EXPECT_TRUE(model.Enabled(MainCommand::AddMacro));
    EXPECT_EQ(model.MacroState().activateCaption, "Acti&vate Macro");

    frame.selected = 1;
    EXPECT_TRUE(model.Enabled(MainCommand::Recapture));
    EXPECT_EQ(model.MacroState().activateCaption, "Deacti&vate Macro");

    frame.selected = 2;  // a popup menu: modified in its own window, never captured
    EXPECT_FALSE(model.Enabled(MainCommand::Recapture));
    EXPECT_FALSE(model.Enabled(MainCommand::Scripting));
    EXPECT_TRUE(model.Enabled(MainCommand::ModifyDirectly));
    EXPECT_EQ(model.MacroState().modifyCaption, "Mo&dify Popup Menu");

    frame.selected = 3;  // a timed macro has no keys to capture
    EXPECT_FALSE(model.Enabled(MainCommand::Recapture));
    EXPECT_TRUE(model.Enabled(MainCommand::Scripting));

    frame.selected = 4;  // the first system macro: renamed, never changed
    EXPECT_TRUE(model.Enabled(MainCommand::Rename));
    EXPECT_FALSE(model.Enabled(MainCommand::Remove));
    EXPECT_FALSE(model.Enabled(MainCommand::Activate));
}

TEST_F(MainWindowModelTest, ProgramFilesAndQuickWizardsReportWhatIsMissing) {
    Load({});
    model.Run(MainCommand::Contents, 0);
    files.contents["C:\\TAVRIN\\CURSFIND.EXE"];
    model.Run(MainCommand::MouseLocator, 0);
    desktop.openResult = 2;
    model.Run(MainCommand::MouseLocator, 0);
    EXPECT_EQ(messages.shown,
              (Strings{"Error: The help file KORRINDA.HLP could not be located.  Please make sure "
                       "that it was installed.",
                       "Error: \"C:\\TAVRIN\\CURSFIND.EXE\" could not be opened."}));
    EXPECT_EQ(desktop.actions, (Strings{"open C:\\TAVRIN\\CURSFIND.EXE|JQV",
                                        "open C:\\TAVRIN\\CURSFIND.EXE|JQV"}));

    messages.shown.clear();
    system.dialUp.available = false;
    model.Run(MainCommand::QuickWizard, 11);  // the dial-up wizard
    EXPECT_EQ(messages.shown, (Strings{std::string("Warning: ") + kDialUpMissing}));
}

}  // namespace
}  // namespace tavrin
