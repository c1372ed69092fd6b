#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/macro_builder.h"
#include "playback/pause_placement.h"
#include "playback_rig.h"
#include "store/hot_key_codes.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;
using Waits = std::vector<uint64_t>;
constexpr uint16_t kCtrlAltN = 157;
const char* const kAbortMessage = "Macro Abort: Tavrin 99 macro has been aborted.";

class FlowTest : public ::testing::Test, protected PlaybackRig {
protected:
    void SetUp() override { store.LoadMacroFile("C:\\M.ZYN"); }  // macros 1-4: system

    std::string Play(const std::string& text) {
        input.events.clear();
        EXPECT_TRUE(player.PlayTopLevel(text));
        return TypedKeys(input.events);
    }
    int Add(const std::string& nickname, const std::string& text, uint8_t active = 1) {
        MacroRecord r = MakeMacro(nickname, kCtrlAltN);
        r.MacroText = text;
        r.Active = active;
        EXPECT_TRUE(store.AppendMacro(r));
        return store.MacroCount();
    }
    int AddMenu(const std::string& nickname, const std::vector<uint16_t>& members) {
        MacroRecord r;
        r.Nickname = nickname;
        r.Scope = kScopePopupMenu;
        r.HotKey = kHotKeyNone;
        r.IconFile = "MENU";
        r.MenuItems = members;
        EXPECT_TRUE(store.AppendMacro(r));
        return store.MacroCount();
    }
    MacroRecord Stored(int n) {
        MacroRecord r;
        EXPECT_TRUE(store.ReadMacro(n, r));
        return r;
    }
};

TEST_F(FlowTest, RepeatBlocksPlayTheirCountWithTheCounter) {
    EXPECT_EQ(Play("<REP:0003:000010:000005><I>x<ENDREP>"), "10x15x20x");
    EXPECT_EQ(Play("<REPEAT:0002><III><ENDREP>"), "001002");
    EXPECT_EQ(Play("<IIII><II><I>"), "0001011") << "outside a block the counter is 1";
    EXPECT_EQ(Play("<REP:0002:000003:000000><II><ENDREP><REP:0001:012345:000001><II><ENDREP>"),
              "030312345")
        << "padding never cuts a longer number";
    EXPECT_EQ(Play("<REP:0002:065537:065536><I><ENDREP>"), "11")
        << "start and step wrap at 65536";
    EXPECT_EQ(Play("<REPEAT:0002>a<REPEAT:0003>b<ENDREP><ENDREP>c"), "abbbabbbc");
    EXPECT_EQ(Play("<REPEAT:0000>a<ENDREP>b"), "b");
    EXPECT_EQ(Play("<ENDREP>b"), "b") << "an end without a block is skipped";

    // A malformed opener still needs an end of its own.
    EXPECT_EQ(Play("<REPEAT:0002>a<REPEAT:x><ENDREP>b<ENDREP>"), "arepeatxbarepeatxb");

    ui.repeatCount = 3;
    EXPECT_EQ(Play("<PROMPTREP><I><ENDREP>"), "123");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FlowTest, ARepeatWithoutItsEndAbortsTheMacro) {
    EXPECT_EQ(Play("a<REPEAT:0002>b"), "a");
    const std::string repeatError =
        "Repeat Error: No \"End Repeat\" that matches the initial repeat specified in the "
        "macro. Macro will abort.";
    EXPECT_EQ(ui.messages, Strings{repeatError}) << "nothing follows, so no abort message";

    // In a macro run from a macro, the caller stops at its next step.
    ui.messages.clear();
    Add("Inner", "<REPEAT:0002>b");
    EXPECT_EQ(Play("<MACRUN:Inner>c"), "");
    EXPECT_EQ(ui.messages, (Strings{repeatError, kAbortMessage}));

    EXPECT_EQ(Play("d"), "d") << "the next macro plays normally";
}

TEST_F(FlowTest, AnAbortInsideABlockLeavesTheMacroWithOneMessage) {
    player.SetCapsLockFlag(true);
    input.afterEvent = [&] {
        if (input.events.back() == "up 65") player.Abort();
    };
    Play("<REPEAT:0003>a<ENDREP>b");
    EXPECT_EQ(TypedKeys(input.events), "a");
    EXPECT_EQ(ui.messages, Strings{kAbortMessage});
    EXPECT_EQ(input.events.back(), "up 65") << "Caps Lock is not restored after an abort";
}

TEST_F(FlowTest, SpeedScalesKeyAndMouseDelaysAndDelay) {
    const std::string delays = "<SPKEY:0100>a<SPMSE:0050><LCLK><DELAY:01.50><MSD:0010>";
    Play("<SPEED:00002>" + delays);
    EXPECT_EQ(pump.waits, (Waits{200, 100, 3000, 20}));
    pump.waits.clear();
    Play("<SPEED:00.50>" + delays);
    EXPECT_EQ(pump.waits, (Waits{50, 25, 750, 5}));
    pump.waits.clear();
    Play("<SPEED:00000>" + delays);
    EXPECT_TRUE(pump.waits.empty());
}

TEST(PausePlacement, FitsTheScreen) {
    const auto at = [](const PausePlacement& p) {
        return std::to_string(p.left) + "," + std::to_string(p.top) + " " +
               std::to_string(p.width) + "x" + std::to_string(p.height);
    };
    // 45 characters of message take two lines of 19 pixels: top 600 - 94 - 38.
    EXPECT_EQ(at(PlacePause(800, 600, 45, false, 900, 900)), "576,468 224x132");
    EXPECT_EQ(at(PlacePause(800, 600, 0, true, 0, 0)), "288,253 224x94");
    EXPECT_EQ(at(PlacePause(800, 600, 29, false, 100, 50)), "50,100 224x113");
    EXPECT_EQ(PlacePause(800, 600, 30, false, 0, 0).height, 94 + 38);
}

TEST_F(FlowTest, PauseShowsTheMacroAndResumes) {
    host.current = Add("Greeting", "");
    desktop.front = desktop.Add("Untitled - Notepad");
    player.Windows().SetTarget(desktop.front);
    Strings whileOpen;
    ui.whilePaused = [&] { whileOpen = host.calls; };

    EXPECT_EQ(Play("a<PAUSE:900,900Hold on>b"), "ab");
    ASSERT_EQ(ui.pauses.size(), 1u);
    const PauseRequest& p = ui.pauses[0];
    EXPECT_EQ(p.caption, "Pause (" + HotKeyName(kCtrlAltN) + ")");
    EXPECT_EQ(p.nickname, "Greeting");
    EXPECT_EQ(p.message, "Hold on");
    EXPECT_EQ(p.left, 1024 - 224);
    EXPECT_EQ(p.top, 768 - 94 - 19);
    EXPECT_EQ(p.target, desktop.front);
    EXPECT_EQ(whileOpen, Strings{"pause open"});
    EXPECT_EQ(host.calls, (Strings{"pause open", "pause closed"}));
    EXPECT_EQ(ui.restores, Strings{"1 0"}) << "the end step brings the target back";

    host.current = 0;
    ui.restores.clear();
    Play("<PAUSE>");
    EXPECT_EQ(ui.pauses.back().caption, "Pause");
    EXPECT_EQ(ui.pauses.back().message, "");
    Play("x");
    EXPECT_EQ(ui.restores.size(), 1u) << "a macro that did not pause restores nothing";

    // The pause hot key, pressed with Caps Lock on.
    input.events.clear();
    player.ResumePause(true);
    EXPECT_EQ(input.events, (Strings{"down 20", "up 20"}));
    EXPECT_EQ(ui.resumes, 1);
}

TEST_F(FlowTest, PauseAbortEndsTheWholeMacroAfterRestoring) {
    player.SetCapsLockFlag(true);
    ui.pauseOutcome = {false, true};
    input.events.clear();
    player.PlayTopLevel("a<REPEAT:0002><PAUSE>b<ENDREP>c");
    EXPECT_EQ(input.events,
              (Strings{"down 20", "up 20", "down 65", "up 65", "down 20", "up 20"}))
        << "Caps Lock goes back on once, and nothing after the pause plays";
    EXPECT_EQ(ui.pauses.size(), 1u);
    EXPECT_EQ(ui.restores, Strings{"0 1"}) << "minimised again, as before the pause";
    EXPECT_TRUE(ui.messages.empty());

    player.SetCapsLockFlag(false);
    ui.pauseOutcome = {true, false};
    EXPECT_EQ(Play("<PAUSE>d"), "d");
    EXPECT_EQ(ui.restores.back(), "0 0") << "every macro starts as not minimised";
}

TEST_F(FlowTest, TextBoxAndRemark) {
    EXPECT_EQ(Play("<TBOX:<HEAD:Note>Line one\r\nLine two>x<REM:skip <ENTER>y"), "xy");
    EXPECT_EQ(ui.textBoxes, Strings{"Note: Line one\r\nLine two"});
    Play("<TBOX:<HEAD:" + std::string(300, 'T') + ">text>");
    EXPECT_EQ(ui.textBoxes.back(), std::string(255, 'T') + ": text");
}

TEST_F(FlowTest, MacroRunPlaysByExactNickname) {
    Add("Hello", "hi");
    Add("Count", "<I>");
    EXPECT_EQ(Play("<MACRUN:Hello><MACRUN:hello><MACRUN:Nobody>x"), "hix");
    EXPECT_EQ(Play("<REP:0002:000005:000001><MACRUN:Count><ENDREP>"), "11")
        << "a macro run from a macro counts from 1";
}

TEST_F(FlowTest, MacroActivateAndDeactivate) {
    const int hello = Add("Hello", "hi");
    const int twinOn = Add("Twin", "", 1);
    const int twinOff = Add("Twin", "", 0);
    MacroTable& t = store.Table();

    hooks.calls.clear();
    Play("<MACDEACT:Hello>");
    EXPECT_EQ(t.ActiveOf(hello), 0);
    EXPECT_EQ(Stored(hello).Active, 0);
    EXPECT_EQ(hooks.calls, (Strings{"ZynUpItem " + std::to_string(hello) + " count=7",
                                    "ZynUpKeys count=7"}));
    EXPECT_EQ(host.calls, Strings{"active " + std::to_string(hello)});

    host.calls.clear();
    Play("<MACDEACT:Hello><MACDEACT:hello>");
    EXPECT_TRUE(host.calls.empty()) << "already inactive, or no such nickname";

    Play("<MACACT:Twin>");
    EXPECT_EQ(t.ActiveOf(twinOff), 1) << "the first Twin that is inactive";
    EXPECT_EQ(t.ActiveOf(twinOn), 1);
    EXPECT_EQ(Stored(twinOff).Active, 1);
    EXPECT_EQ(t.HotKeyUsed(kCtrlAltN), 1) << "the hot key flags are rebuilt";
}

TEST_F(FlowTest, MacroDeleteRenumbersTheMenus) {
    Add("A", "a");                                 // 5
    const int menu1 = AddMenu("Menu1", {5, 7, 8});  // 6
    Add("B", "b");                                 // 7
    Add("C", "c");                                 // 8
    AddMenu("Menu2", {8, 3, 7});                   // 9

    Play("<MACDEL:B>");
    EXPECT_EQ(store.MacroCount(), 8);
    EXPECT_EQ(files.contents["C:\\M.ZYN"].size(), 8 * kMacroRecordSize);
    EXPECT_EQ(store.NicknameOf(7), "C");
    EXPECT_EQ(Stored(menu1).MenuItems, (std::vector<uint16_t>{5, 7}));
    EXPECT_EQ(Stored(8).Nickname, "Menu2");
    EXPECT_EQ(Stored(8).MenuItems, (std::vector<uint16_t>{7, 3}));
    EXPECT_EQ(host.calls, Strings{"deleted 7"});

    host.calls.clear();
    Play("<MACDEL:b>");
    EXPECT_EQ(store.MacroCount(), 8) << "nicknames match with their letter case";
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(FlowTest, DeletingThePlayingMacroLetsItsTextGoOn) {
    const int self = Add("Self", "a<MACDEL:Self>b");
    EXPECT_EQ(Play(Stored(self).MacroText), "ab");
    EXPECT_EQ(store.MacroCount(), self - 1);
}

TEST_F(FlowTest, SwapAsksTheMainWindowAndPlaysOn) {
    EXPECT_EQ(Play("<SWAP:C:\\OTHER.ZYN>x"), "x");
    EXPECT_EQ(host.calls, Strings{"swap C:\\OTHER.ZYN"});
}

}  // namespace
}  // namespace tavrin
