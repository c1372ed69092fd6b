#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_hook_library.h"
#include "fakes/macro_builder.h"
#include "fakes/store_rig.h"
#include "startup/command_line.h"
#include "startup/hook_startup.h"
#include "store/hot_key_flags.h"
#include "triggers/activation_text.h"
#include "triggers/run_by_nickname.h"

namespace tavrin {
namespace {

Settings Apply(const std::vector<std::string>& args, StartOptions& o) {
    Settings s;
    ApplyBodyOptions(args, s);
    for (const std::string& a : args) ProcessParam(a, s, o);
    return s;
}

TEST(CommandLine, OptionsAreComparedWholeAndSlashSIsExaminedTwice) {
    StartOptions o;
    Settings s = Apply({"/S"}, o);
    EXPECT_TRUE(s.UseTray);
    EXPECT_TRUE(s.AutoSync);
    o = {};
    s = Apply({"/s"}, o);
    EXPECT_FALSE(s.UseTray) << "only the exact capital form puts the program in the tray";
    EXPECT_TRUE(s.AutoSync);

    o = {};
    s = Apply({"/hide", "/Ba", "/c"}, o);
    EXPECT_TRUE(o.hideOnFirstPaint);
    EXPECT_FALSE(s.UseHide) << "/HIDE is not /H";
    EXPECT_TRUE(o.browseAllMode);
    EXPECT_FALSE(o.browseMode) << "/BA is not /B";
    EXPECT_TRUE(s.UseClose);

    o = {};
    s = Apply({"/H", "/n", "/fC:\\Macros\\Work.zyn"}, o);
    EXPECT_TRUE(s.UseHide);
    EXPECT_TRUE(s.NetworkMode);
    EXPECT_EQ(o.openFile, "C:\\MACROS\\WORK.ZYN");
}

TEST(CommandLine, SyncMinutesTakesOnly1To98) {
    for (auto [arg, want] : std::vector<std::pair<std::string, int>>{
             {"/SM98", 98}, {"/SM99", 10}, {"/SM0", 10}, {"/SM1", 1}, {"/SMx", 10}, {"/SM", 10}}) {
        StartOptions o;
        EXPECT_EQ(Apply({arg}, o).SyncMinutes, want) << arg;
    }
}

TEST(CommandLine, NicknameRunsToTheNextOptionTrimmed) {
    StartOptions o;
    Apply({"/Areport"}, o);
    EXPECT_TRUE(o.nicknamePresent);
    EXPECT_EQ(NicknameAfterA("C:\\TAVRIN\\QORVIL.EXE /Areport", 50), "REPORT");
    EXPECT_EQ(NicknameAfterA("QORVIL.EXE /A  Daily Status Mail  /HIDE", 50), "DAILY STATUS MAIL");
    EXPECT_EQ(NicknameAfterA("QORVIL.EXE /a x /A y", 50), "X");
    EXPECT_EQ(NicknameAfterA("QORVIL.EXE /A \"typing test\"", 50), "TYPING TEST");
    EXPECT_EQ(NicknameAfterA("QORVIL.EXE /HIDE", 50), "");
    EXPECT_EQ(NicknameAfterA("/A" + std::string(60, 'n'), 50), std::string(50, 'N'));
}

TEST(CommandLine, TheRunningCopyCollectsOneCharacterPerMessage) {
    StartupRequest request;
    for (char c : std::string("QORVIL.EXE /A my macro /C")) {
        EXPECT_EQ(request.Take(c), StartupRequest::Outcome::Collecting);
    }
    EXPECT_EQ(request.Take(0), StartupRequest::Outcome::RunNickname);
    EXPECT_EQ(request.Nickname(), "MY MACRO");
    request.Clear();
    for (char c : std::string("QORVIL.EXE /HIDE")) request.Take(c);
    EXPECT_EQ(request.Take(0), StartupRequest::Outcome::BringForward);
    EXPECT_EQ(request.Nickname(), "");
}

TEST(HookStartup, PublishesInTheLibrarysOrderAndUnhooksInReverse) {
    FakeHookLibrary hooks;
    MacroTable t;
    t.SetByte(table::CaptureKeys, 1);
    t.SetByte(table::WaitDrain, 1);
    t.SetMacroCount(2);
    t.SetHotKeyOf(1, 157);
    t.SetActiveOf(1, 1);
    t.SetHotKeyOf(2, kHotKeyQuillet);
    HookStartInfo info;
    info.mainWindow = 0x1234;
    info.remapInUse = true;
    HookHandles h = StartHooks(t, hooks, info);
    std::vector<std::string> names;
    for (const std::string& call : hooks.calls) names.push_back(call.substr(0, call.find(' ')));
    EXPECT_EQ(names, (std::vector<std::string>{
                         "ZynHookSwap", "ZynHookCBT", "ZynUpCapture", "ZynUpInit", "ZynUpIdle",
                         "ZynUpWindow", "ZynUpWindow2", "ZynUpProg", "ZynUpCaptureOn",
                         "ZynUpWaits", "ZynUpProgs", "ZynUpKeys", "ZynHookKeyboard",
                         "ZynHookMouse", "ZynUpKeyHook", "ZynUpMouseHook"}));
    EXPECT_EQ(t.U32(table::MainWindow), 0x1234u);
    EXPECT_EQ(t.U32(table::CaptureWindow), 0x1234u);
    EXPECT_EQ(t.U32(table::KeyboardHook), 101u);
    EXPECT_EQ(t.U32(table::MouseHook), 102u);
    EXPECT_EQ(t.Byte(table::CaptureKeys), 0);
    EXPECT_EQ(t.Byte(table::WaitDrain), 0);
    EXPECT_EQ(t.Byte(table::IsNT), 1);
    EXPECT_EQ(t.HotKeyUsed(157), 1);
    EXPECT_EQ(t.Byte(table::HasQuillets), 1);

    hooks.calls.clear();
    StopHooks(h, hooks);
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"ZynUnHook 101", "ZynUnHook 102",
                                                     "ZynUnHook 104", "ZynUnHook 103"}));
    hooks.calls.clear();
    h.swap = 0;
    StopHooks(h, hooks);
    EXPECT_EQ(hooks.calls.size(), 3u) << "no remap hook, no remap unhook";
}

TEST(HotKeyFlags, OnlyActiveHotKeysArmTheLibraryButAnyQuilletDoes) {
    FakeHookLibrary hooks;
    MacroTable t;
    t.SetHotKeyUsed(5, 1);  // stale flag from an earlier file
    t.SetMacroCount(4);
    t.SetHotKeyOf(1, 157);
    t.SetActiveOf(1, 1);
    t.SetHotKeyOf(2, 158);  // inactive
    t.SetHotKeyOf(3, kHotKeyTimed);
    t.SetActiveOf(3, 1);
    t.SetHotKeyOf(4, kHotKeyQuillet);  // inactive Quillet
    SetHotKeys(t, hooks);
    EXPECT_EQ(t.HotKeyUsed(5), 0);
    EXPECT_EQ(t.HotKeyUsed(157), 1);
    EXPECT_EQ(t.HotKeyUsed(158), 0);
    EXPECT_EQ(t.Byte(table::HasQuillets), 1);
    EXPECT_EQ(hooks.calls, std::vector<std::string>{"ZynUpKeys count=4"});
}

TEST(MacroList, ColumnTextsAndNicknameLookup) {
    StoreRig rig;
    MacroStore& store = rig.store;
    store.LoadMacroFile("C:\\K.ZYN");
    MacroRecord r = MakeMacro("Daily Report", kHotKeyQuillet, kScopeWindow, "Untitled - Notepad");
    r.QuilletName = "dr";
    store.AppendMacro(r);
    EXPECT_EQ(ActivationText(store, 1), "Ctrl+Alt+Shift+W");
    EXPECT_EQ(ScopeText(store, 1), "SYSTEM");
    EXPECT_EQ(ActivationText(store, 5), "dr");
    EXPECT_EQ(ScopeText(store, 5), "Window: Untitled - Notepad");
    EXPECT_EQ(FindMacroByNickname(store, "DAILY REPORT"), 5);
    EXPECT_EQ(FindMacroByNickname(store, "RESUME PAUSE"), 3);
    EXPECT_EQ(FindMacroByNickname(store, "DAILY"), 0);
}

}  // namespace
}  // namespace tavrin
