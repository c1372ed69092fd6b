#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "playback_rig.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;
using Typing = std::vector<std::pair<uint32_t, char>>;
const char* const kAbortMessage = "Macro Abort: Tavrin 99 macro has been aborted.";

class WaitTest : public ::testing::Test, protected PlaybackRig {
protected:
    MacroTable& table = store.Table();

    // Plays text; returns the milliseconds it took on the virtual clock.
    uint64_t Play(const std::string& text) {
        input.events.clear();
        const uint64_t start = pump.now;
        EXPECT_TRUE(player.PlayTopLevel(text));
        return pump.now - start;
    }
    // Runs action at the given poll of a wait, 1 for the first.
    void AtPoll(int poll, std::function<void()> action) {
        int polls = 0;
        pump.onMessages = [=]() mutable {
            if (++polls == poll) action();
        };
    }
    // Types the reports one per poll while the text wait listens; how many
    // it took to end the wait, or -1 when it did not end.
    int TypedUntilMatch(const std::string& wait, const Typing& typing) {
        size_t next = 0;
        pump.onMessages = [&] {
            if (!table.Byte(table::WaitText)) return;  // the hook library reports only then
            if (next == typing.size()) {
                player.Abort();
                return;
            }
            player.OnWaitText(typing[next].first, typing[next].second);
            ++next;
        };
        Play(wait + "x");
        pump.onMessages = nullptr;
        return input.events.empty() ? -1 : static_cast<int>(next);
    }
    static Typing Chars(const std::string& s) {
        Typing t;
        for (char c : s) t.push_back({0, c});
        return t;
    }
    size_t WaitPublications() const {
        return std::count(hooks.calls.begin(), hooks.calls.end(), "ZynUpWaits count=0");
    }
};

TEST_F(WaitTest, TimeOutsShowTheirMessageAndAbort) {
    desktop.front = desktop.Add("Calculator");
    desktop.processes = {{7, "NOTEPAD.EXE"}};
    struct Case {
        std::string tag;
        uint64_t minutes;
        std::string message;
    };
    const std::string end = " minutes.  Macro will abort.";
    const Case cases[] = {
        {"<WAITWIN:001:notepad>", 1,
         "Wait For Window Error: The Window Title of \"NOTEPAD\" did not appear within the "
         "specified time of 1" + end},
        {"<WAITWLF:002:Calc>", 2,
         "Wait For Window Error: The Window Title of \"CALC\" did not lose focus within the "
         "specified time of 2" + end},
        {"<WAITPROG:001:notepad>", 1,
         "Wait For Window Error: The Window Title of \"NOTEPAD\" did not appear within the "
         "specified time of 1" + end},
        {"<WAITKEY:001:52>", 1,
         "Wait For Key Press: The \"ALT\" key was not pressed within the specified time of 1" +
             end},
        {"<WAITKEY:003:60>", 3,
         "Wait For Key Press: The \"\" key was not pressed within the specified time of 3" + end},
        {"<WAITTXTN:001:Hello>", 1,
         "Wait For Text Error:  Text \"Hello\" was not typed within the specified time of 1" +
             end},
        {"<WAITLM:001>", 1,
         "Wait For Mouse Click Error: Left click did not occur within the specified time of 1" +
             end},
        {"<WAITRM:010>", 10,
         "Wait For Mouse Click Error: Right click did not occur within the specified time of 10" +
             end},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        pump.waits.clear();
        EXPECT_EQ(Play(c.tag), c.minutes * 60000) << c.tag;
        EXPECT_EQ(ui.messages, Strings{c.message}) << "the last command: no abort message follows";
        EXPECT_LE(*std::max_element(pump.waits.begin(), pump.waits.end()), 100u)
            << c.tag << " blocks between polls, a tenth of a second at a time";
    }

    ui.messages.clear();
    Play("<WAITLM:001>x");
    EXPECT_TRUE(input.events.empty());
    EXPECT_EQ(ui.messages.back(), kAbortMessage);
}

TEST_F(WaitTest, WaitFlagsAreLoweredHoweverTheWaitEnds) {
    std::vector<int> raised;

    // Success: the key arrives at the third poll; the one before is another.
    int polls = 0;
    pump.onMessages = [&] {
        raised.push_back(table.Byte(table::WaitKey));
        if (++polls == 2) player.OnWaitKey(17);
        if (polls == 3) player.OnWaitKey(18);
    };
    hooks.calls.clear();
    Play("<WAITKEY:000:52>x");
    EXPECT_EQ(TypedKeys(input.events), "x");
    EXPECT_EQ(raised.front(), 1);
    EXPECT_EQ(table.Byte(table::WaitKey), 0);
    EXPECT_EQ(hooks.calls, (Strings{"ZynUpWaits count=0", "ZynUpWaits count=0"}));

    // Abort: the user's abort message ends the wait at the next poll.
    AtPoll(5, [&] { player.Abort(); });
    hooks.calls.clear();
    Play("<WAITTXTY:000:abc>x");
    EXPECT_TRUE(input.events.empty());
    EXPECT_EQ(table.Byte(table::WaitText), 0);
    EXPECT_EQ(WaitPublications(), 2u);
    EXPECT_EQ(ui.messages, Strings{kAbortMessage});

    // Time-out.
    pump.onMessages = nullptr;
    hooks.calls.clear();
    Play("<WAITMM:001>");
    EXPECT_EQ(table.Byte(table::WaitClick), 0);
    EXPECT_EQ(WaitPublications(), 2u);
}

TEST_F(WaitTest, TypedTextIsAWindowOfTheLastCharactersWithBackspaces) {
    const std::string abc = "<WAITTXTY:000:abc>";
    EXPECT_EQ(TypedUntilMatch(abc, Chars("xabc")), 4);
    EXPECT_EQ(TypedUntilMatch(abc, Chars("ab\bc")), -1) << "a c after the backspace: ac";
    EXPECT_EQ(TypedUntilMatch(abc, Chars("abd\bc")), 5);
    EXPECT_EQ(TypedUntilMatch(abc, Chars("abxy\b\bc")), -1)
        << "the a dropped out of the window; backspaces do not bring it back";
    EXPECT_EQ(TypedUntilMatch(abc, Chars("xyzaxbc")), -1);

    Typing reset = Chars("ab");
    reset.push_back({1, 0});
    reset.push_back({0, 'c'});
    EXPECT_EQ(TypedUntilMatch(abc, reset), -1) << "a reset empties the typed text";

    EXPECT_EQ(TypedUntilMatch(abc, Chars("ABC")), -1) << "letter case counts";
    EXPECT_EQ(TypedUntilMatch("<WAITTXTN:000:abc>", Chars("xABC")), 4);
    EXPECT_EQ(TypedUntilMatch("<WAITTXTN:000:ABC>", Chars("abc")), 3);
}

TEST_F(WaitTest, WindowWaitsAndTheTargetWindow) {
    const WindowId calc = desktop.Add("Calculator");
    const WindowId untitled = desktop.Add("");
    const WindowId notepad = desktop.Add("Untitled - Notepad");

    // Without a limit the window in front becomes the target at each poll.
    desktop.front = calc;
    AtPoll(3, [&] { desktop.front = notepad; });
    Play("<WAITWIN:000:notepad>x");
    EXPECT_EQ(TypedKeys(input.events), "x");
    EXPECT_EQ(player.Windows().Target(), notepad);

    // With a limit it is left alone.
    desktop.front = calc;
    player.Windows().SetTarget(untitled);
    AtPoll(3, [&] { desktop.front = notepad; });
    Play("<WAITWIN:005:notepad>");
    EXPECT_EQ(player.Windows().Target(), untitled);

    // Losing the focus: a window without a title does not end the wait.
    desktop.front = notepad;
    int polls = 0;
    pump.onMessages = [&] {
        ++polls;
        if (polls == 2) desktop.front = untitled;
        if (polls == 4) desktop.front = calc;
    };
    EXPECT_EQ(Play("<WAITWLF:001:NOTEPAD>x"), 400u);
    EXPECT_EQ(TypedKeys(input.events), "x");
    EXPECT_EQ(player.Windows().Target(), calc);
}

TEST_F(WaitTest, ProgramKeyAndClickWaits) {
    EXPECT_EQ(Play("<WAITPROG:005:notepad>"), 0u) << "a program that does not run ends it at once";
    desktop.processes = {{3, "explorer.exe"}, {7, "notepad.exe"}};
    AtPoll(4, [&] { desktop.processes.pop_back(); });
    EXPECT_EQ(Play("<WAITPROG:000:Notepad>"), 400u);

    player.OnWaitKey(27);  // before the wait: forgotten
    AtPoll(2, [&] { player.OnWaitKey(27); });
    EXPECT_EQ(Play("<WAITKEY:000:48>"), 200u);

    player.OnWaitClick(2);  // before the wait: forgotten
    int polls = 0;
    pump.onMessages = [&] {
        ++polls;
        if (polls == 1) player.OnWaitClick(1);
        if (polls == 3) player.OnWaitClick(2);
    };
    EXPECT_EQ(Play("<WAITRM:000>"), 300u);
}

TEST_F(WaitTest, PlaybackWaitSendsTheMarkerAndEndsOnItsReport) {
    table.SetByte(table::InUse, 1);  // a macro a hot key started
    bool markerSent = false;
    input.afterEvent = [&] { markerSent = markerSent || input.events.back() == "up 43"; };
    int drainBeforeMarker = -1;
    pump.onMessages = [&] {
        if (!markerSent) {
            drainBeforeMarker = table.Byte(table::WaitDrain);
        } else if (table.Byte(table::WaitDrain)) {
            // The hook library clears InUse and WaitDrain on the marker.
            table.SetByte(table::InUse, 0);
            player.OnDrainCleared();
        }
    };
    hooks.calls.clear();
    EXPECT_EQ(Play("<WAITPB>x"), 200u) << "a tenth of a second before the marker, one poll after";
    EXPECT_EQ(input.events, (Strings{"down 43", "up 43", "down 88", "up 88"}));
    EXPECT_EQ(drainBeforeMarker, 1);
    EXPECT_EQ(table.Byte(table::WaitDrain), 0);
    EXPECT_EQ(table.Byte(table::InUse), 1) << "the macro still plays";
    EXPECT_EQ(hooks.calls,
              (Strings{"ZynUpWaits count=0", "ZynUpWaits count=0", "ZynUpInUse count=0"}));

    // No report: the safety limit of 30 s, which an abort does not shorten.
    input.afterEvent = nullptr;
    table.SetByte(table::InUse, 0);
    AtPoll(5, [&] { player.Abort(); });
    hooks.calls.clear();
    EXPECT_EQ(Play("<WAITPB>"), 100u + 30000u);
    EXPECT_EQ(table.Byte(table::WaitDrain), 0);
    EXPECT_EQ(hooks.calls, (Strings{"ZynUpWaits count=0", "ZynUpWaits count=0"}));

    // An abort before the marker is sent: no marker, no wait for it.
    pump.onMessages = nullptr;
    pump.At(pump.now + 50, [&] { player.Abort(); });
    EXPECT_EQ(Play("<WAITPB>x"), 50u);
    EXPECT_TRUE(input.events.empty());
    EXPECT_EQ(table.Byte(table::WaitDrain), 0);
}

}  // namespace
}  // namespace tavrin
