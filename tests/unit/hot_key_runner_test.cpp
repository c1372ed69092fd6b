#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_hot_key_host.h"
#include "fakes/macro_builder.h"
#include "playback_rig.h"
#include "triggers/hot_key_runner.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;
constexpr uint16_t kCtrlAltN = 157;

class HotKeyRunnerTest : public ::testing::Test, protected PlaybackRig {
protected:
    FakeHost hotKeyHost;
    HotKeyRunner runner{store, hooks, player, input, desktop, ui, hotKeyHost};

    void SetUp() override { store.LoadMacroFile("C:\\K.ZYN"); }  // macros 1-4: system

    int Add(const std::string& text, int16_t scope = kScopeGlobal,
            const std::string& scopeName = "", uint8_t topMost = 1, uint8_t active = 1) {
        MacroRecord r = MakeMacro(text, kCtrlAltN, scope, scopeName);
        r.TopMostOnly = topMost;
        r.Active = active;
        store.AppendMacro(r);
        return store.MacroCount();
    }
    WindowId Front(const std::string& title) {
        desktop.front = desktop.Add(title);
        return desktop.front;
    }
};

TEST_F(HotKeyRunnerTest, GlobalMacrosTheLaterWinsAndInactiveOnesNeverRun) {
    Add("first");
    const int second = Add("second");
    Add("off", kScopeGlobal, "", 1, 0);
    EXPECT_EQ(runner.GetMacro(kCtrlAltN), second);
    EXPECT_EQ(runner.GetMacro(158), 0);
}

TEST_F(HotKeyRunnerTest, AWindowScopeWinsWhileItsWindowIsInFront) {
    const int global = Add("global");
    const int scoped = Add("scoped", kScopeWindow, "note");
    Front("Untitled - Notepad");
    EXPECT_EQ(runner.GetMacro(kCtrlAltN), scoped) << "a substring, ignoring case";
    Front("Calculator");
    EXPECT_EQ(runner.GetMacro(kCtrlAltN), global) << "Top Most Only needs its window in front";
    Front("Tavrin Pause (Resume with Ctrl+Alt+Shift+Y)  Untitled - Notepad");
    EXPECT_EQ(runner.GetMacro(kCtrlAltN), global) << "the pause dialog skips the first pass";
}

TEST_F(HotKeyRunnerTest, IfRunningBringsItsWindowForward) {
    Add("global");
    Add("deactivated", kScopeWindow, "note", 0, 0);
    const int scoped = Add("scoped", kScopeWindow, "note", 0);
    const WindowId notepad = desktop.Add("Untitled - Notepad");
    Front("Calculator");
    EXPECT_EQ(runner.GetMacro(kCtrlAltN), scoped);
    EXPECT_EQ(desktop.front, notepad);
    EXPECT_EQ(player.Windows().Target(), notepad);
}

TEST_F(HotKeyRunnerTest, OnlyTwentyCharactersOfAScopeCount) {
    const int scoped = Add("scoped", kScopeWindow, "Report for the Board of 2027");
    Front("Draft: REPORT FOR THE BOARD - Writer");
    EXPECT_EQ(runner.GetMacro(kCtrlAltN), scoped);
}

TEST_F(HotKeyRunnerTest, ProgramScopesLookAtTheFrontProgramAndTheRunningOnes) {
    const int global = Add("global");
    const int topMost = Add("top", kScopeProgram, "notepad");
    desktop.processes = {{7, "notepad.exe"}, {8, "calc.exe"}};
    const WindowId notepad = desktop.front = desktop.Add("Some file", 7);
    // The table has not yet been told of the window in front: the program
    // is that of the window whose title is matched.
    store.Table().SetFrontProgram("CALC.EXE");
    EXPECT_EQ(runner.GetMacro(kCtrlAltN), topMost);
    const WindowId calculator = desktop.front = desktop.Add("Calculator", 8);
    store.Table().SetFrontProgram("NOTEPAD.EXE");
    EXPECT_EQ(runner.GetMacro(kCtrlAltN), global);

    const int running = Add("running", kScopeProgram, "notepad", 0);
    store.Table().SetProgCount(2);
    store.Table().SetProgName(1, "EXPLORER.EXE");
    store.Table().SetProgName(2, "NOTEPAD.EXE");
    EXPECT_EQ(runner.GetMacro(kCtrlAltN), running);
    EXPECT_EQ(desktop.front, notepad);
    desktop.front = calculator;
    store.Table().SetProgCount(1);  // no longer among the running programs
    EXPECT_EQ(runner.GetMacro(kCtrlAltN), global);
}

TEST_F(HotKeyRunnerTest, AHotKeyPlaysItsMacroMarkedAsOurOwnInput) {
    Add("a");
    hooks.calls.clear();
    runner.OnHotKey(kCtrlAltN | 0x8000, 77);
    EXPECT_EQ(input.events, (Strings{"down 20", "up 20", "down 65", "up 65", "down 20", "up 20",
                                     "down 43", "up 43"}))
        << "Caps Lock off and on again around the text, then the end marker";
    EXPECT_EQ(hooks.calls, Strings{"ZynUpInUse count=5"});
    EXPECT_EQ(store.Table().Byte(table::InUse), 1);
    EXPECT_EQ(hotKeyHost.calls, Strings{"clear timer"});
    EXPECT_TRUE(pump.waits.empty()) << "typing starts at once, the hot key's modifiers held or not";
    runner.OnInUseCleared();
    EXPECT_EQ(store.Table().Byte(table::InUse), 0);

    // A hot key while a macro plays starts nothing.
    player.SetCapsLockFlag(false);
    input.events.clear();
    pump.onMessages = [&] { runner.OnHotKey(kCtrlAltN, 77); };
    runner.RunMacro(5);
    EXPECT_EQ(input.events, (Strings{"down 65", "up 65", "down 43", "up 43"}));
}

TEST_F(HotKeyRunnerTest, RefusalsAndSystemMacros) {
    runner.OnHotKey(262, 0);  // Ctrl+Alt+Shift+W: system macro 1
    runner.OnHotKey(265, 0);
    runner.OnHotKey(264, 0);  // resume, with no pause: nothing
    EXPECT_EQ(hotKeyHost.calls, (Strings{"activate me", "menu"}));

    runner.SetPauseOpen(true);
    runner.OnHotKey(264 | 0x8000, 0);
    EXPECT_EQ(hotKeyHost.calls.back(), "resume caps");
    Add("a");
    runner.OnHotKey(kCtrlAltN, 0);
    EXPECT_EQ(ui.messages.back(),
              "Warning: A current playback macro is in the middle of a PAUSE. Another macro "
              "cannot be executed until the PAUSE is either cancelled or resumed.");
    EXPECT_FALSE(runner.MayActivateMe());
    runner.SetPauseOpen(false);

    store.Table().SetByte(table::CaptureOn, 1);
    runner.OnHotKey(kCtrlAltN, 0);
    EXPECT_EQ(ui.messages.back().substr(0, 45), "Warning: A macro is currently being recorded.");
    store.Table().SetByte(table::CaptureOn, 0);
    runner.SetMenuOpen(true);
    runner.OnHotKey(kCtrlAltN, 0);
    EXPECT_EQ(ui.messages.back().substr(0, 46), "Warning: A current Popup Menu macro is being d");
    EXPECT_TRUE(input.events.empty()) << "nothing played";
}

TEST_F(HotKeyRunnerTest, TheTopWindowMenuListsMatchingScopesActiveOrNot) {
    const int window = Add("w", kScopeWindow, "notepad", 1, 0);
    Add("g");
    const int program = Add("p", kScopeProgram, "NOTEPAD.EXE", 0);
    EXPECT_EQ(runner.TopWindowMembers("Untitled - Notepad", "notepad.exe"),
              (std::vector<int>{window, program}));
    EXPECT_TRUE(runner.TopWindowMembers("Calculator", "calc.exe").empty());
}

}  // namespace
}  // namespace tavrin
