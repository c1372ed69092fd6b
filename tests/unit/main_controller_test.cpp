#include "control/main_controller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/bytes.h"
#include "fakes/fake_menu_window.h"
#include "platform/hook_protocol.h"
#include "platform/remap_block.h"
#include "playback_rig.h"
#include "triggers/schedule.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;
const std::string kFile = "C:\\TAVRIN\\KELDA.ZYN";
constexpr uint16_t kCtrlAltN = 157;

class FakeTimers : public Timers {
public:
    Strings calls;
    void Start(TimerId id, unsigned ms) override {
        calls.push_back("start " + std::to_string(static_cast<int>(id)) + " " + std::to_string(ms));
    }
    void Stop(TimerId id) override { calls.push_back("stop " + std::to_string(static_cast<int>(id))); }
};

class FakeControllerHost : public ControllerHost {
public:
    Strings calls;
    Strings trace;
    void ShowMainWindow() override { calls.push_back("show"); }
    void SysTrayOpen() override { calls.push_back("tray open"); }
    void RefreshMacroList() override { calls.push_back("refresh"); }
    void SwapMacroFile(const std::string& path) override { calls.push_back("swap " + path); }
    void Trace(const std::string& line) override { trace.push_back(line); }
};

LocalDateTime At(int h, int mi, int s = 0) { return LocalDateTime{2027, 1, 4, h, mi, s, 0}; }

class MainControllerTest : public ::testing::Test, protected FakePlatform {
protected:
    FakeTimers timers;
    FakeControllerHost host;
    Settings settings;
    MacroStore store = FakeStore(*this, settings.CurrentFile);
    MainController controller{
        {{input, desktop, fileSystem, files, clipboard, pump, ui, hooks, clock, sound,
          system.platform},
         messages,
         timers},
        store,
        settings,
        host};

    void SetUp() override { clock.now = At(10, 14); }

    // Macros 1.. as given; the system macros follow them.
    void Load(const std::vector<MacroRecord>& records) {
        std::vector<uint8_t>& bytes = files.contents[kFile];
        bytes.assign(records.size() * kMacroRecordSize, 0);
        for (size_t k = 0; k < records.size(); ++k)
            EncodeMacroRecord(records[k], &bytes[k * kMacroRecordSize]);
        store.LoadMacroFile(kFile);
        controller.MacroFileOpened();
    }
    static MacroRecord Macro(const std::string& text, uint16_t hotKey = kCtrlAltN,
                             int16_t scope = kScopeGlobal, const std::string& scopeName = "",
                             uint8_t topMost = 1) {
        MacroRecord r;
        r.Nickname = text;
        r.MacroText = text;
        r.HotKey = hotKey;
        r.Scope = scope;
        r.ScopeName = scopeName;
        r.TopMostOnly = topMost;
        r.IconFile = "MAIN";
        return r;
    }
    static MacroRecord Timed(const std::string& text, int16_t kind, int16_t scope = kScopeGlobal,
                             const std::string& scopeName = "") {
        MacroRecord r = Macro(text, kHotKeyTimed, scope, scopeName);
        DefaultTimer(r, At(0, 0));
        r.SchedKind = kind;
        r.SchedHourlyMinute = 15;  // hourly: a quarter past
        return r;
    }
};

TEST_F(MainControllerTest, ATimedMacroPlaysWhenDueWithTheAlarmAndTheReportedCapsLock) {
    settings.UseWaveFile = true;
    settings.WaveFile = "C:\\DING.WAV";
    Load({Timed("a", kSchedHourly)});
    controller.Start("");
    EXPECT_EQ(timers.calls, (Strings{"start 1 10000", "start 1 10000", "start 2 5000"}))
        << "the scheduler runs while a timed macro exists; the start-up tick in 5 s";

    controller.OnCapsLock(true);
    clock.now = At(10, 15, 5);
    controller.OnTimer(TimerId::Scheduler);
    EXPECT_EQ(sound.played, Strings{"C:\\DING.WAV"});
    EXPECT_EQ(TypedKeys(input.events), "a");
    EXPECT_EQ(input.events.front(), "down 20") << "Caps Lock off around the macro";
    EXPECT_EQ(host.trace, Strings{"timed macro 1"});

    input.events.clear();
    controller.OnTimer(TimerId::Scheduler);
    EXPECT_TRUE(input.events.empty()) << "once per time";
}

TEST_F(MainControllerTest, StartUpMacrosStopAtTheFirstWhoseWindowCannotBeBroughtUp) {
    Load({Timed("a", kSchedAtStartup), Timed("b", kSchedAtStartup, kScopeWindow, "Ledger"),
          Timed("c", kSchedAtStartup)});
    controller.OnCapsLock(true);
    controller.Start("");
    controller.OnTimer(TimerId::StartUp);
    EXPECT_EQ(TypedKeys(input.events), "a") << "b's window is not there: c never plays";
    EXPECT_EQ(input.events.front(), "down 65") << "start-up macros leave Caps Lock alone";
    EXPECT_EQ(timers.calls.back(), "stop 2") << "one tick";

    input.events.clear();
    desktop.Add("Ledger 2027");
    controller.OnTimer(TimerId::StartUp);
    EXPECT_EQ(TypedKeys(input.events), "abc");
}

TEST_F(MainControllerTest, AStartUpNicknamePlaysBeforeTheStartUpMacros) {
    Load({Macro("first"), Timed("t", kSchedAtStartup)});
    controller.Start("FIRST");
    controller.OnTimer(TimerId::StartUp);
    EXPECT_EQ(TypedKeys(input.events), "firstt");
    EXPECT_EQ(host.trace.front(), "run by nickname \"FIRST\": macro 1");
}

TEST_F(MainControllerTest, AWindowTitleMacroPlaysWhenItsWindowComesToTheFront) {
    Load({Macro("w", kHotKeyWindowTitle, kScopeGlobal, "budget"), Macro("g")});
    const WindowId sheet = desktop.Add("Budget 2027 - Sheet");
    const WindowId other = desktop.Add("Calculator");
    controller.OnWindowActivated(other);
    EXPECT_TRUE(input.events.empty());
    controller.OnWindowActivated(sheet);
    EXPECT_EQ(TypedKeys(input.events), "w");
    EXPECT_EQ(host.trace, Strings{"window title macro 1"});
    EXPECT_EQ(store.Table().Byte(table::InUse), 0) << "no in-use flag, no end marker";
    EXPECT_EQ(input.events.back(), "up 87");
}

TEST_F(MainControllerTest, TheLastActiveOtherWindowIsOfAnotherProgramAndHasATitle) {
    Load({Macro("a")});
    desktop.processes = {{7, "QORVIL.EXE"}, {8, "notepad.exe"}};
    const WindowId notepad = desktop.Add("Untitled - Notepad", 8);
    const WindowId main = desktop.Add("Tavrin 99 (KELDA)", 7);
    const WindowId untitled = desktop.Add("", 8);
    EXPECT_EQ(controller.LastActiveOtherWindow(), 0u);
    controller.OnWindowActivated(notepad);
    controller.OnWindowActivated(main);
    controller.OnWindowActivated(untitled);
    EXPECT_EQ(controller.LastActiveOtherWindow(), notepad);
}

TEST_F(MainControllerTest, AHotKeyDuringPlaybackChangesNothing) {
    Load({Macro("a"), Macro("b", 158, kScopeWindow, "Ledger", 0)});
    const WindowId notepad = desktop.Add("Untitled - Notepad");
    desktop.Add("Ledger 2027");
    desktop.front = notepad;
    bool pressed = false;
    pump.onMessages = [&] {
        if (pressed) return;
        pressed = true;
        controller.OnHotKey(158 | kCapsLockBit, 99);  // the If Running macro's key
    };
    controller.OnHotKey(kCtrlAltN, notepad);
    EXPECT_EQ(TypedKeys(input.events), "a");
    EXPECT_TRUE(pressed);
    EXPECT_EQ(desktop.actions, Strings{}) << "no window was brought forward";
    EXPECT_EQ(desktop.front, notepad);
    EXPECT_EQ(input.events.front(), "down 65") << "the Caps Lock flag was not taken over";
}

TEST_F(MainControllerTest, AHotKeyDuringAPauseResumesOrIsRefusedAndMovesNothing) {
    Load({Macro("a<PAUSE>b"), Macro("r", 158, kScopeWindow, "Ledger", 0)});
    const WindowId notepad = desktop.Add("Untitled - Notepad");
    desktop.Add("Ledger 2027");
    desktop.front = notepad;
    ui.whilePaused = [&] {
        controller.OnHotKey(158, 99);  // the If Running macro's key: refused
        controller.OnHotKey(kCtrlAltN, 99);  // the paused macro's own key: resumes
    };
    controller.OnHotKey(kCtrlAltN, notepad);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].substr(0, 52), "Warning: A current playback macro is in the middle o");
    EXPECT_EQ(ui.resumes, 1);
    EXPECT_EQ(desktop.front, notepad) << "no window was brought forward";
    EXPECT_EQ(TypedKeys(input.events), "ab");
}

TEST_F(MainControllerTest, ATimedMacrosOwnTypingKeepsItsCapsLock) {
    Load({Timed("a", kSchedHourly), Macro("q", kHotKeyQuillet)});
    controller.Start("");
    controller.OnCapsLock(true);
    pump.onMessages = [&] { controller.OnQuillet(0, 'a'); };  // the hook reports the macro's "a"
    clock.now = At(10, 15, 5);
    controller.OnTimer(TimerId::Scheduler);
    EXPECT_EQ(input.events.front(), "down 20");
    EXPECT_EQ(input.events[input.events.size() - 2], "down 20") << "Caps Lock on again after it";
}

TEST_F(MainControllerTest, AnIfRunningProgramMacroThatCannotComeUpDoesNotPlay) {
    Load({Macro("g"), Macro("p", kCtrlAltN, kScopeProgram, "LEDGER", 0)});
    MacroTable& t = store.Table();
    t.SetProgCount(1);
    t.SetProgName(1, "LEDGER.EXE");  // running, but with no window to bring up
    desktop.front = desktop.Add("Calculator");
    controller.OnHotKey(kCtrlAltN, desktop.front);
    EXPECT_EQ(TypedKeys(input.events), "g") << "the Global macro plays instead";
}

TEST_F(MainControllerTest, SecondCopyRequests) {
    Load({Macro("Report")});
    for (char c : std::string("C:\\QORVIL.EXE /a report")) controller.OnStartRequest(c);
    controller.OnStartRequest(0);
    EXPECT_EQ(TypedKeys(input.events), "report");

    for (char c : std::string("C:\\QORVIL.EXE")) controller.OnStartRequest(c);
    controller.OnStartRequest(0);
    settings.UseTray = true;
    controller.OnStartRequest(0);
    EXPECT_EQ(host.calls, (Strings{"show", "tray open"}));
}

TEST_F(MainControllerTest, NoMacroStartsOnItsOwnWhileACaptureRecords) {
    Load({Timed("t", kSchedHourly), Macro("w", kHotKeyWindowTitle, kScopeGlobal, "budget"),
          Macro("Report")});
    controller.Start("");
    store.Table().SetByte(table::CaptureOn, 1);
    clock.now = At(10, 15, 5);
    controller.OnTimer(TimerId::Scheduler);
    controller.OnWindowActivated(desktop.Add("Budget 2027"));
    for (char c : std::string("C:\\QORVIL.EXE /a report")) controller.OnStartRequest(c);
    controller.OnStartRequest(0);
    EXPECT_TRUE(input.events.empty()) << "the capture would take their keys for the user's";
    EXPECT_EQ(ui.messages, Strings{"Warning: A macro is currently being recorded. Another macro "
                                   "cannot be executed until the recording is completed."})
        << "the start by nickname the user asked for says why";
}

TEST_F(MainControllerTest, HooksThatFailAreReportedAndRestoredOnRequest) {
    hooks.failKeyboard = true;
    EXPECT_FALSE(controller.InstallHooks(HookStartInfo{}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].substr(0, 50), "System Error: The keyboard hook could not be insta");
    EXPECT_EQ(host.trace.size(), 1u);

    hooks.failKeyboard = false;
    messages.shown.clear();
    controller.RestoreKeyboardHooks();
    EXPECT_EQ(messages.shown.size(), 1u) << "only the question";
    EXPECT_EQ(store.Table().U32(table::KeyboardHook), 101u);

    messages.answer = false;
    hooks.calls.clear();
    controller.RestoreMouseHooks();
    EXPECT_TRUE(hooks.calls.empty()) << "No leaves the hooks alone";
}

TEST_F(MainControllerTest, TogglingAMacroRefreshesTheListAndTheSchedule) {
    Load({Timed("t", kSchedHourly), Macro("g")});
    timers.calls.clear();
    controller.ToggleActive(2, 1);
    EXPECT_EQ(store.Table().ActiveOf(1), 0);
    EXPECT_EQ(host.calls, Strings{"refresh"});
    EXPECT_EQ(timers.calls, Strings{"stop 1"}) << "no timed macro is left";
    EXPECT_TRUE(controller.MayStartScreenSaver());
    controller.ToggleActive(2, 1);
    EXPECT_FALSE(controller.MayStartScreenSaver()) << "an active timed macro keeps it off";
}

TEST_F(MainControllerTest, TheTopWindowMenuPlaysAWindowMacroIntoThatWindowAndBlocksTheOthers) {
    Load({Macro("w", kHotKeyNone, kScopeWindow, "notepad"), Macro("g"),
          Macro("t", kHotKeyWindowTitle, kScopeGlobal, "notepad")});
    FakeMenuWindow menus;
    controller.SetMenuWindow(&menus);
    const WindowId notepad = desktop.Add("Untitled - Notepad");
    desktop.front = notepad;
    settings.SystemMenu = 3;
    menus.choices = {0};
    menus.whileOpen = [&] {
        desktop.front = desktop.Add("Choose A Macro");
        controller.ActivateMe();
        controller.OnWindowActivated(notepad);  // its Window Title macro waits
        controller.OnStartRequest('/');
    };
    constexpr uint16_t kCtrlAltShiftZ = 265;  // system macro 4
    controller.OnHotKey(kCtrlAltShiftZ, notepad);
    ASSERT_EQ(menus.shown.size(), 1u);
    ASSERT_EQ(menus.shown[0].rows.size(), 1u) << "Window macros of the front window only";
    EXPECT_EQ(menus.shown[0].rows[0].text, "w");
    EXPECT_EQ(menus.shown[0].style, MenuStyle::NicknameAndScope);
    EXPECT_EQ(menus.shown[0].iconPixels, 32);
    EXPECT_EQ(host.calls, Strings{}) << "not brought up while the menu is shown";
    EXPECT_EQ(desktop.front, notepad);
    EXPECT_EQ(TypedKeys(input.events), "w");
    EXPECT_EQ(store.Table().Byte(table::InUse), 1) << "played as a hook-triggered macro";

    desktop.front = desktop.Add("Calculator");
    controller.OnHotKey(kCtrlAltShiftZ, desktop.front);
    EXPECT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(ui.messages.back().substr(0, 40), "Warning: There are no macros defined wit");
}

TEST_F(MainControllerTest, ARightClickOnAMenusTrayIconOpensItBesideTheClickForTheWindowBefore) {
    MacroRecord menu;
    menu.Nickname = "Tray";
    menu.Scope = kScopePopupMenu;
    menu.SetMenuOptions('Y', '3', '0');
    menu.MenuItems = {1};
    menu.IconFile = "MENU";
    menu.HotKey = kHotKeyNone;
    Load({Macro("a", kHotKeyNone), menu});
    FakeMenuWindow menus;
    controller.SetMenuWindow(&menus);
    menus.choices = {0};
    const WindowId notepad = desktop.Add("Untitled - Notepad");
    controller.OnWindowActivated(notepad);
    desktop.front = desktop.Add("");  // the task bar
    controller.OnWindowActivated(desktop.front);
    controller.OnMenuTrayClick(2, 900);
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.shown[0].rememberedX, 900);
    EXPECT_EQ(desktop.front, notepad) << "the member plays into the window active before";
    EXPECT_EQ(TypedKeys(input.events), "a");
}

TEST_F(MainControllerTest, RestoringTheKeyboardHooksReinstallsARemapHookInUse) {
    class Block : public RemapBlock {
    public:
        void PutTables(const RemapTables&) override {}
        void PutHook(uint32_t) override {}
    } block;
    Remapper remapper(files, hooks, messages, block);
    RemapTables aToB = DefaultRemapTables();
    aToB[26] = 'b';
    remapper.Change(aToB);
    controller.SetRemapper(&remapper);
    hooks.calls.clear();
    controller.RestoreKeyboardHooks();
    EXPECT_EQ(hooks.calls, (Strings{"ZynUnHook 0", "ZynHookKeyboard", "ZynUpKeyHook count=0",
                                    "ZynUnHook 104", "ZynHookSwap"}));
}

}  // namespace
}  // namespace tavrin
