#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "playback_rig.h"

namespace tavrin {
namespace {

using Events = std::vector<std::string>;
const char* const kAbortMessage = "Macro Abort: Tavrin 99 macro has been aborted.";

class PlaybackTest : public ::testing::Test, protected PlaybackRig {
protected:
    Events Play(const std::string& text) {
        input.events.clear();
        EXPECT_TRUE(player.PlayTopLevel(text));
        return input.events;
    }
};

TEST_F(PlaybackTest, CharactersPressTheirShiftStates) {
    EXPECT_EQ(Play("A"), (Events{"down 16", "down 65", "up 65", "up 16"}));
    EXPECT_EQ(Play("a"), (Events{"down 65", "up 65"}));
    // AltGr: Ctrl and Alt down, released Ctrl before Alt.
    EXPECT_EQ(Play("@"), (Events{"down 17", "down 18", "down 81", "up 81", "up 17", "up 18"}));
    EXPECT_EQ(Play("\xE9"), (Events{"unicode \xE9"}))
        << "code 233 without a key on the layout goes as the character itself";
    input.keyed = "\xE4";
    EXPECT_EQ(Play("\xE4"), (Events{"down 222", "up 222"})) << "a layout's own key beyond ASCII";
    EXPECT_EQ(Play("<SHIFT>\xE9" "a"), (Events{"down 16", "unicode \xE9", "down 65", "up 65", "up 16"}))
        << "a character beyond ASCII leaves a one-shot Shift for the next key";
    EXPECT_EQ(Play("("), (Events{"unicode ("})) << "a character without a key is not lost";
    EXPECT_EQ(Play("\r\n"), (Events{"down 13", "up 13"})) << "CR LF is one Enter";
}

TEST_F(PlaybackTest, ModifierTags) {
    EXPECT_EQ(Play("<SHIFT>a"), (Events{"down 16", "down 65", "up 65", "up 16"}));
    EXPECT_EQ(Play("<SHIFT><SHFD>"), (Events{"down 16", "down 16"})) << "Shift stays down";
    EXPECT_EQ(Play("<ALT><ALT>"), (Events{"down 18", "up 18"}));
    EXPECT_EQ(Play("<CTLD>"), (Events{"down 17"})) << "a normal end leaves Ctrl down";
    EXPECT_EQ(Play("<CTRL><F4>"), (Events{"down 17", "down 115", "up 115", "up 17"}));
    // The mouse-button keys release a one-shot modifier like any key, leave
    // Ctrl held by its own tag down, and have no key delay.
    pump.waits.clear();
    EXPECT_EQ(Play("<SPKEY:0100><SHIFT><RIGHT MOUSE><CTLD><ALT><MIDDLE MOUSE>"),
              (Events{"down 16", "down 2", "up 2", "up 16", "down 17", "down 18", "down 4", "up 4",
                      "up 18"}));
    EXPECT_TRUE(pump.waits.empty());
    EXPECT_EQ(Play("<ALT:065><ALT4:0233>"),
              (Events{"down 18", "down 96", "up 96", "down 102", "up 102", "down 101", "up 101",
                      "up 18", "down 18", "down 96", "up 96", "down 98", "up 98", "down 99",
                      "up 99", "down 99", "up 99", "up 18"}));
}

TEST_F(PlaybackTest, WhatIsNotATagIsTyped) {
    EXPECT_EQ(Play("a<b"), (Events{"down 65", "up 65", "down 16", "down 188", "up 188", "up 16",
                                   "down 66", "up 66"}));
    Events lower = Play("<enter>");
    EXPECT_EQ(lower.size(), 18u) << "a lower-case tag is seven typed characters";
    Events speed = Play("<SPEED:1.0>");
    EXPECT_EQ(speed.front(), "down 16") << "a three-character speed field is no tag";
    EXPECT_EQ(player.SpeedFactor(), 1.0);
    // A tag whose command plays in another group is taken, not typed.
    desktop.front = desktop.Add("Untitled - Notepad");
    EXPECT_EQ(Play("<WAITWIN:001:Notepad>a"), (Events{"down 65", "up 65"}));
    // A reserved tag is taken too, and does nothing without a word.
    EXPECT_EQ(Play("<EMPTYBIN>b<TEST>"), (Events{"down 66", "up 66"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PlaybackTest, MouseTags) {
    EXPECT_EQ(Play("<WBW:003>"), (Events{"mouse 2048 0 0 -360"}));
    EXPECT_EQ(Play("<MMS:00000,00000>"), (Events{"mouse 32769 0 0 0"}));
    // 10 pixels right of and below the front window's corner (50, 60).
    EXPECT_EQ(Play("<MMW:00010,00010>"), (Events{"mouse 32769 3839 5973 0"}));
    EXPECT_EQ(Play("<RDCLK>"), (Events{"mouse 8 0 0 0", "mouse 16 0 0 0", "mouse 8 0 0 0",
                                       "mouse 16 0 0 0"}));

    pump.waits.clear();
    Play("<SPEED:02.00><SPMSE:0500><LCLK><LDN>");
    EXPECT_EQ(pump.waits, (std::vector<uint64_t>{1000, 1000}))
        << "a 500 ms mouse delay at speed 2 waits 1 s before each mouse command";
    pump.waits.clear();
    Play("<LCLK>");
    EXPECT_TRUE(pump.waits.empty()) << "every macro starts with the delays off";
}

TEST_F(PlaybackTest, DelaysWaitOnTheClockAndSpeedZeroSkipsThem) {
    Play("<DELAY:10.00>");
    EXPECT_EQ(pump.waits, (std::vector<uint64_t>{10000}));
    pump.waits.clear();
    Play("<SPEED:00.00><DELAY:05.00><MSD:0100><SPKEY:0300>ab");
    EXPECT_TRUE(pump.waits.empty());
    player.PauseForNoSpeed(0.25);
    EXPECT_EQ(pump.waits, (std::vector<uint64_t>{250})) << "speed 0 does not skip this one";
    pump.waits.clear();
    Play("<SPEED:00.50><MSD:0100>");
    EXPECT_EQ(pump.waits, (std::vector<uint64_t>{50}));
}

TEST_F(PlaybackTest, ANegativeSpeedIsIgnored) {
    pump.waits.clear();
    Play("<SPEED:-1.00><MSD:0100><SPEED:02.00><SPEED:-0.50><MSD:0100><DELAY:01.00>");
    EXPECT_EQ(pump.waits, (std::vector<uint64_t>{100, 200, 2000}));
    EXPECT_EQ(player.SpeedFactor(), 2.0);
}

TEST_F(PlaybackTest, AnAbortEndsEveryWaitAtOnce) {
    desktop.opens["notepad.exe"] = {9, "Untitled - Notepad", 0};
    const std::string waits[] = {
        "<DELAY:60.00>",
        "<SPEED:02.00><MSD:9999>",
        "<SPKEY:9999>",        // the key delay before b
        "<SPMSE:9999><LCLK>",  // the mouse delay before the click
        "<LAUNCHNO:60Notepad<LAUNCH:notepad.exe>",  // the pause after its window came
        "<LAUNCHNO:00Nowhere<LAUNCH:calc.exe>",     // the wait for a window that never comes
        "<WAITWIN:000:Nowhere>",
    };
    for (const std::string& wait : waits) {
        ui.messages.clear();
        const uint64_t start = pump.now;
        pump.At(start + 1050, [&] { player.Abort(); });  // between two polls of a wait
        EXPECT_EQ(Play("a" + wait + "bc"), (Events{"down 65", "up 65"})) << wait;
        EXPECT_EQ(pump.now - start, 1050u) << wait;
        EXPECT_EQ(ui.messages, std::vector<std::string>{kAbortMessage}) << wait;
    }

    // A trigger's own pauses before its macro starts are not cut short by
    // the abort of the one before.
    const uint64_t before = pump.now;
    player.PauseForNoSpeed(0.25);
    EXPECT_EQ(pump.now - before, 250u);
}

TEST_F(PlaybackTest, AbortShowsItsMessageAndLetsGoOfHeldModifiers) {
    input.afterEvent = [&] {
        if (input.events.size() == 4) player.Abort();  // after "a" is pressed
    };
    Events e = Play("<CTLD><SHFD>abc");
    EXPECT_EQ(e, (Events{"down 17", "down 16", "down 65", "up 65", "up 16", "up 17"}));
    EXPECT_EQ(ui.messages, std::vector<std::string>{kAbortMessage});

    input.afterEvent = nullptr;
    EXPECT_EQ(Play("b"), (Events{"down 66", "up 66"})) << "the next macro plays normally";
}

TEST_F(PlaybackTest, OneMacroAtATimeAndCapsLockIsRestored) {
    bool refused = false;
    pump.onMessages = [&] { refused = !player.PlayTopLevel("zzz"); };
    Play("a");
    EXPECT_TRUE(refused) << "a trigger while a macro plays starts nothing";
    EXPECT_EQ(ui.running, (std::vector<bool>{true, false}));

    pump.onMessages = nullptr;
    player.SetCapsLockFlag(true);
    EXPECT_EQ(Play(""), (Events{"down 20", "up 20", "down 20", "up 20"}));
}

TEST_F(PlaybackTest, RunawayNestingEndsTheMacroWithOneMessage) {
    int entered = 0;
    pump.onMessages = [&] {
        ++entered;
        player.PlayText("a", 1, 1, 1, false);  // a macro that keeps playing itself
    };
    Play("a");
    EXPECT_EQ(entered, Player::kMaxNesting);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].substr(0, 22), "Macro Execution Error:");
}

}  // namespace
}  // namespace tavrin
