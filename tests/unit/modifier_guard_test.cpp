#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "playback/key_pace.h"
#include "playback/modifier_guard.h"
#include "playback_rig.h"

namespace tavrin {
namespace {

using Events = std::vector<std::string>;
constexpr uint32_t kLeftShift = 0x01, kLeftCtrl = 0x04, kLeftAlt = 0x10, kRightWin = 0x80;

class ModifierGuardTest : public ::testing::Test, protected PlaybackRig {
protected:
    ModifierGuard guard{input, hooks};
    Player guarded{ForPlayer(guard), store, host};

    void UserHolds(uint32_t keys) { hooks.heldModifiers = keys; }
    Events Play(const std::string& text) {
        input.events.clear();
        EXPECT_TRUE(guarded.PlayTopLevel(text));
        return input.events;
    }
};

TEST_F(ModifierGuardTest, TheUsersModifiersAreLetGoAroundEveryKeyAndPressedAgain) {
    EXPECT_EQ(Play("x"), (Events{"down 88", "up 88"})) << "nothing held, nothing added";

    UserHolds(kLeftCtrl | kLeftAlt);
    EXPECT_EQ(Play("xY"),
              (Events{"down 232", "up 232", "up 162", "up 164", "down 88", "up 88", "down 162",
                      "down 164", "down 232", "up 232",
                      "down 16", "down 232", "up 232", "up 162", "up 164", "down 89", "up 89",
                      "down 162", "down 164", "down 232", "up 232", "up 16"}))
        << "the mask key before Alt is let go and after it is pressed again; the Shift of "
           "the capital is the macro's";
}

TEST_F(ModifierGuardTest, ShiftNeedsNoMaskKeyAndClicksAreNotGuarded) {
    UserHolds(kLeftShift);
    EXPECT_EQ(Play("<ENTER>("), (Events{"up 160", "down 13", "up 13", "down 160", "up 160",
                                        "unicode (", "down 160"}))
        << "characters without a key are guarded too";

    UserHolds(kRightWin);
    EXPECT_EQ(Play("<LCLK>"), (Events{"mouse 2 0 0 0", "mouse 4 0 0 0"})) << "clicks are not";
}

TEST_F(ModifierGuardTest, OnlyKeysStillHeldArePressedAgain) {
    UserHolds(kLeftCtrl | kLeftAlt);
    input.afterEvent = [&] {
        if (input.events.back() == "down 88") hooks.heldModifiers = kLeftAlt;  // Ctrl let go
    };
    EXPECT_EQ(Play("x"), (Events{"down 232", "up 232", "up 162", "up 164", "down 88", "up 88",
                                 "down 164", "down 232", "up 232"}));
    input.afterEvent = nullptr;

    UserHolds(kLeftCtrl);
    Play("x");
    UserHolds(0);  // let go just as Ctrl went down again, maybe too early
    EXPECT_EQ(Play("y"), (Events{"up 162", "down 89", "up 89"}));
    EXPECT_EQ(Play("y"), (Events{"down 89", "up 89"}));
}

TEST_F(ModifierGuardTest, AKeyPressedWhileOthersAreLetGoIsLetGoToo) {
    UserHolds(kLeftCtrl);
    input.afterEvent = [&] {
        if (input.events.back() == "up 162") hooks.heldModifiers |= kLeftShift;
    };
    EXPECT_EQ(Play("x"), (Events{"up 162", "up 160", "down 88", "up 88", "down 160", "down 162"}));
}

TEST_F(ModifierGuardTest, TheMacrosOwnModifiersAreKept) {
    UserHolds(0);
    EXPECT_EQ(Play("<CTLD>c<CTLU>"), (Events{"down 17", "down 67", "up 67", "up 17"}))
        << "a macro holding Ctrl sends Ctrl combinations while the user holds nothing";

    UserHolds(kLeftCtrl | kLeftShift);
    EXPECT_EQ(Play("<CTLD>c<CTLU>"),
              (Events{"down 17", "up 160", "down 67", "up 67", "down 160", "up 17"}))
        << "the user's Ctrl is the macro's Ctrl now; only Shift is let go";
    EXPECT_EQ(Play("<CTLD>"), (Events{"down 17"}));
    EXPECT_EQ(Play("c"), (Events{"up 160", "up 162", "down 67", "up 67", "down 160", "down 162"}))
        << "a Ctrl left down by a macro that ended is no longer a macro's: the next macro "
           "lets go of the user's";
}

TEST_F(ModifierGuardTest, ThePaceWaitsBeforeTheUsersKeysAreLetGo) {
    KeyPace paced{guard, pump};
    Player pacedPlayer{ForPlayer(paced), store, host};
    size_t waited = 0;
    pump.onMessages = [&] {
        if (pump.waits.size() == waited) return;
        waited = pump.waits.size();
        input.events.push_back("wait " + std::to_string(pump.waits.back()));
    };
    UserHolds(kLeftAlt);
    ASSERT_TRUE(pacedPlayer.PlayTopLevel("xy"));
    EXPECT_EQ(input.events,
              (Events{"down 232", "up 232", "up 164", "down 88", "up 88", "down 164", "down 232",
                      "up 232", "wait 7", "down 232", "up 232", "up 164", "down 89", "up 89",
                      "down 164", "down 232", "up 232"}))
        << "only the keys that type are paced";
}

}  // namespace
}  // namespace tavrin
