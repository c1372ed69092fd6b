#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "playback_rig.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;

class WindowCommandsTest : public ::testing::Test, protected PlaybackRig {
protected:
    WindowCommands& windows = player.Windows();
};

TEST_F(WindowCommandsTest, AnExactTitleBeatsAnEarlierPartialMatch) {
    const WindowId help = desktop.Add("Notepad Help");
    const WindowId notepad = desktop.Add("Notepad");
    const WindowId untitled = desktop.Add("Untitled - Notepad");
    EXPECT_EQ(windows.GetWinHandle("Notepad"), notepad);
    EXPECT_EQ(windows.GetWinHandle("notepad"), help) << "otherwise the first partial match";
    EXPECT_EQ(windows.GetWinHandle("untitled"), untitled);
    EXPECT_EQ(windows.GetWinHandle("Calculator"), 0u);

    EXPECT_TRUE(windows.ActivateIt("untitled"));
    EXPECT_EQ(windows.Target(), untitled);
    EXPECT_EQ(desktop.actions, Strings{"activate 3"});
}

TEST_F(WindowCommandsTest, TheCurrentWindowMarkerIsNotTheWordCurrent) {
    desktop.Add("Untitled - Notepad");
    desktop.Add("Current Events");
    desktop.front = 1;
    player.PlayTopLevel("<WMAX:\"CURRENT\"><WMIN:CURRENT><WCLS:\"current\"><WRES:Nowhere>");
    EXPECT_EQ(desktop.actions, (Strings{"syscommand 1 61488", "syscommand 2 61472"}))
        << "only the exact marker means the window in front";
}

TEST_F(WindowCommandsTest, ArrangingCommandsActOnTheWindowFound) {
    desktop.Add("Untitled - Notepad");
    player.PlayTopLevel(
        "<WSIZE:0640,0480Notepad><WPOS:0010,0020Notepad><WPOS2:-0100,00050Notepad>"
        "<WHIDE:Notepad><WSHOW:Notepad><WSHUT:Notepad><WHIDE:Calculator><WSHOW:>");
    EXPECT_EQ(desktop.actions, (Strings{"size 1 640x480", "move 1 10,20", "move 1 -100,50",
                                        "hide 1", "show 1", "quit 1"}));
    EXPECT_EQ(windows.Target(), 0u) << "none of them changes the target window";
}

TEST_F(WindowCommandsTest, ActivateProgTakesTheFirstTitledWindowOfTheProgram) {
    desktop.processes = {{3, "explorer.exe"}, {7, "notepad.exe"}};
    desktop.Add("Program Manager", 3);
    desktop.Add("", 7);
    const WindowId notepad = desktop.Add("Untitled - Notepad", 7);
    EXPECT_TRUE(windows.ActivateProg("NOTEPAD"));
    EXPECT_EQ(windows.Target(), notepad);
    EXPECT_FALSE(windows.ActivateProg("notepad")) << "callers pass the program in capitals";
    EXPECT_FALSE(windows.ActivateProg("CALC"));
}

TEST_F(WindowCommandsTest, FailuresEndTheWholeMacroWithoutTheAbortMessage) {
    player.PlayTopLevel("a<ACTIVATE:Nowhere>b");
    EXPECT_EQ(input.events, (Strings{"down 65", "up 65"}));
    EXPECT_EQ(ui.messages, Strings{"Activate Command Failed: Specified window title of "
                                   "\"Nowhere\" could not be found on your computer. Macro will "
                                   "abort."});

    ui.messages.clear();
    input.events.clear();
    desktop.openResult = 2;
    // A nested run that fails ends its caller too.
    pump.onMessages = [&] {
        pump.onMessages = nullptr;
        player.PlayText("<LAUNCH:C:\\TOOLS\\X.EXE<PARAM>-a -b>", 1, 1, 1, false);
    };
    player.PlayTopLevel("ab");
    EXPECT_EQ(input.events, (Strings{"down 65", "up 65"}));
    EXPECT_EQ(desktop.actions.back(), "open C:\\TOOLS\\X.EXE|-a -b");
    EXPECT_EQ(ui.messages, Strings{"Launch Error: \"C:\\TOOLS\\X.EXE\" failed to launch because "
                                   "the specified file was not found. Macro will abort."});
    EXPECT_EQ(LaunchFailureReason(99), "of an unknown Error #99.");
}

TEST_F(WindowCommandsTest, LaunchWaitsForItsWindowWithoutSpinning) {
    desktop.opens["notepad.exe"] = {9, "Untitled - Notepad", 0};
    player.PlayTopLevel("<LAUNCHNO:02Notepad<LAUNCH:notepad.exe>x");
    EXPECT_EQ(windows.Target(), 9u);
    EXPECT_EQ(input.events, (Strings{"down 88", "up 88"}));
    EXPECT_EQ(pump.waits, (std::vector<uint64_t>{2000})) << "the delay after the window came";

    // An existing window is only activated.
    desktop.actions.clear();
    player.PlayTopLevel("<LAUNCHYES:05Untitled<LAUNCH:notepad.exe>");
    EXPECT_EQ(desktop.actions, Strings{"activate 9"});

    // A window that never comes: 12 s on the clock, polled, then the macro ends.
    pump.waits.clear();
    const uint64_t start = pump.now;
    player.PlayTopLevel("<LAUNCHNO:00Nowhere<LAUNCH:calc.exe>x");
    EXPECT_EQ(pump.now - start, 12000u);
    EXPECT_GT(pump.waits.size(), 10u);
    EXPECT_EQ(ui.messages.back(), "Launch Failed: Specified window title of \"Nowhere\" could not "
                                  "be found on your computer. Macro will abort.");
}

}  // namespace
}  // namespace tavrin
