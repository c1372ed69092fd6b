#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/browser_version.h"
#include "language/scrambled_password.h"
#include "playback_rig.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;

class SystemCommandsTest : public ::testing::Test, protected PlaybackRig {
protected:
    FakeSystemSettings& settings = system.settings;
    void Play(const std::string& text) { ASSERT_TRUE(player.PlayTopLevel(text)); }
};

TEST_F(SystemCommandsTest, SettingTagsPassTheirValuesKeptWithinTheirRanges) {
    Play("<KEYDEL:2><KEYSPD:20><SSTIME:07><WBSIZE:05><SSOFF>a");
    EXPECT_EQ(settings.calls, (Strings{"keyboard delay 2", "keyboard speed 20",
                                       "screen saver timeout 420", "border 5",
                                       "screen saver active 0"}));
    EXPECT_EQ(TypedKeys(input.events), "a") << "playback goes on after the tags";
    settings.calls.clear();
    Play("<KEYDEL:9><KEYSPD:99><SSTIME:00><SSTIME:99><WBSIZE:00><WBSIZE:50>");
    EXPECT_EQ(settings.calls,
              (Strings{"keyboard delay 3", "keyboard speed 31", "screen saver timeout 60",
                       "screen saver timeout 3600", "border 1", "border 10"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SystemCommandsTest, ScreenSaverStartsOnlyWhenEnabled) {
    Play("<SSON>");
    EXPECT_EQ(settings.calls, (Strings{"start screen saver"}));
    settings.calls.clear();
    settings.screenSaverActive = false;
    Play("<SSON>");
    EXPECT_TRUE(settings.calls.empty()) << "<SSON> never turns the screen saver on";
}

TEST_F(SystemCommandsTest, ScreenModeIsTestedThenAppliedAndEachFailureSaysSo) {
    Play("<SCREEN:002>");
    EXPECT_EQ(settings.calls, (Strings{"test mode 2", "set mode 2"}));
    EXPECT_TRUE(ui.messages.empty());

    settings.calls.clear();
    Play("<SCREEN:003><SCREEN:999>b");
    EXPECT_TRUE(settings.calls.empty()) << "a mode past the last one is never tried";
    const std::string missing =
        "Macro Execution Error: The specified Screen Display Settings does not exist on this "
        "computer.";
    EXPECT_EQ(ui.messages, (Strings{missing, missing}));
    EXPECT_EQ(TypedKeys(input.events), "b");

    const std::string failed =
        "Macro Execution Error: The attempt to switch to the specified Screen Display Settings "
        "failed.";
    for (int refused : {-1, -2, -4}) {
        ui.messages.clear();
        settings.calls.clear();
        settings.testResult = refused;
        Play("<SCREEN:000>");
        EXPECT_EQ(settings.calls, (Strings{"test mode 0"})) << refused;
        EXPECT_EQ(ui.messages, (Strings{failed})) << refused;
    }
    settings.testResult = -3;  // any other test result goes on to apply
    settings.changeResult = 1;
    ui.messages.clear();
    Play("<SCREEN:000>");
    EXPECT_EQ(ui.messages,
              (Strings{"Warning: System must be rebooted before new display settings take effect."}));
    settings.changeResult = -1;
    ui.messages.clear();
    Play("<SCREEN:000>");
    EXPECT_EQ(ui.messages, (Strings{failed}));
}

TEST_F(SystemCommandsTest, WallpaperWritesTheValuesOfItsStyleThenShowsTheFile) {
    files.contents["C:\\PIC.BMP"] = {'B', 'M'};
    Play("<WALLT:C:\\PIC.BMP><WALLS:C:\\PIC.BMP><WALLC:C:\\PIC.BMP><WALLP:0012,0340C:\\PIC.BMP>");
    EXPECT_EQ(settings.calls, (Strings{"wallpaper C:\\PIC.BMP 1 0 0 0", "show C:\\PIC.BMP",
                                       "wallpaper C:\\PIC.BMP 0 2 0 0", "show C:\\PIC.BMP",
                                       "wallpaper C:\\PIC.BMP 0 0 0 0", "show C:\\PIC.BMP",
                                       "wallpaper C:\\PIC.BMP 0 0 12 340", "show C:\\PIC.BMP"}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SystemCommandsTest, WallpaperThatIsMissingOrNoPictureLeavesTheUsersOwn) {
    settings.wallpaper = {"C:\\OWN.BMP", "1", "0", "0", "0"};
    Play("<WALLS:C:\\NONE.BMP>a");
    EXPECT_TRUE(settings.calls.empty());
    EXPECT_EQ(TypedKeys(input.events), "a");

    files.contents["C:\\NOTES.TXT"] = {'h', 'i'};
    settings.showsWallpaper = false;
    Play("<WALLS:C:\\NOTES.TXT>");
    EXPECT_EQ(settings.calls,
              (Strings{"wallpaper C:\\NOTES.TXT 0 2 0 0", "show C:\\NOTES.TXT",
                       "wallpaper C:\\OWN.BMP 1 0 0 0", "show C:\\OWN.BMP"}));
    EXPECT_TRUE(ui.messages.empty()) << "the wallpaper fails silently";
}

TEST_F(SystemCommandsTest, DefaultPrinterMatchesEveryNameExactlyAndFillsMissingParts) {
    FakePrinters& printers = system.printers;
    printers.names = {"Laser", "Ink Jet"};
    printers.details["Laser"] = {"Laser", "winspool", "LPT1:"};
    printers.details["Ink Jet"] = {"Ink Jet", "", ""};
    printers.devices["Ink Jet"] = "inkdrv,USB001:,USB002:";
    Play("<DEFPRT:Laser><DEFPRT:Ink Jet>");
    EXPECT_EQ(printers.defaults, (Strings{"Laser,winspool,LPT1:", "Ink Jet,inkdrv,USB001:"}))
        << "the first printer of the list is found too";
    EXPECT_TRUE(ui.messages.empty());

    Play("<DEFPRT:laser><DEFPRT:Ink>a");
    EXPECT_EQ(printers.defaults.size(), 2u) << "names are compared whole and with their case";
    const std::string missing =
        "Macro Execution Error: The specified Default Printer does not exist on this computer.";
    EXPECT_EQ(ui.messages, (Strings{missing, missing}));
    EXPECT_EQ(TypedKeys(input.events), "a");
}

TEST_F(SystemCommandsTest, EndingTheSessionNeedsThePrivilegeExceptToLogOff) {
    Play("<REBOOT><SHUTDOWN><POWEROFF><LOGOFF>");
    EXPECT_EQ(settings.calls,
              (Strings{"privilege on", "exit 2", "privilege off", "privilege on", "exit 1",
                       "privilege off", "privilege on", "exit 8", "privilege off", "exit 0"}));
    settings.calls.clear();
    settings.privilege = false;
    Play("<SHUTDOWN><LOGOFF>");
    EXPECT_EQ(settings.calls, (Strings{"privilege on", "exit 0"}))
        << "without the right to shut down nothing happens";
}

TEST_F(SystemCommandsTest, DesktopTagsArrangeWindowsAndShowTheTaskBarWhereItWas) {
    Play("<HIDETASK><SHOWTASK><CASCDESK><TILHDESK><TILVDESK><EMPTYBIN>a");
    EXPECT_EQ(system.shell.calls, (Strings{"hide task bar", "show task bar", "cascade",
                                           "tile horizontally", "tile vertically"}));
    EXPECT_EQ(TypedKeys(input.events), "a") << "<EMPTYBIN> is taken and does nothing";
}

TEST_F(SystemCommandsTest, ShellFunctionsAndSpecialFoldersNeedTheAutomationObject) {
    FakeShellDesktop& shell = system.shell;
    Play("<MINIDESK><RESTDESK><SUSPEND><UNDOCK><RUNDT><RUNFC><RUNFF><RUNRP>");
    EXPECT_EQ(shell.calls, (Strings{"call 0", "call 1", "call 2", "call 3", "call 4", "call 5",
                                    "call 6", "call 7"}));
    shell.calls.clear();
    Play("<EXPCP><EXPDT><EXPDP><EXPFV><EXPFT><EXPMC><EXPNW><EXPPR><EXPPF><EXPRD><EXPRB>"
         "<EXPSM><EXPSU><EXPUD>");
    EXPECT_EQ(shell.calls, (Strings{"explore 3", "explore 0", "explore 16", "explore 6",
                                    "explore 20", "explore 17", "explore 18", "explore 4",
                                    "explore 2", "explore 8", "explore 10", "explore 11",
                                    "explore 7", "explore 5"}));
    EXPECT_TRUE(ui.messages.empty());

    shell.calls.clear();
    shell.usable = false;
    Play("<MINIDESK>");
    Play("<EXPCP>");
    EXPECT_TRUE(shell.calls.empty());
    const std::string needs =
        "This function requires Windows 98 or NT.  Vezi requires Windows 95 that has Internet "
        "Explore 4.0 or greater installed. It appears that your system does not meet these "
        "requirements.";
    EXPECT_EQ(ui.messages, (Strings{"Minimize All Error: " + needs, "Open Explorer Error: " + needs}));

    ui.messages.clear();
    shell.usable = true;
    shell.succeeds = false;
    Play("<RUNRP>");
    EXPECT_TRUE(ui.messages.empty()) << "a shell call that fails reports nothing";
}

TEST(BrowserVersion, TheShellObjectNeedsVersionFourOrLater) {
    EXPECT_TRUE(ShellAutomationUsable("4.72.3110.0"));
    EXPECT_TRUE(ShellAutomationUsable("11.0"));
    EXPECT_TRUE(ShellAutomationUsable("9"));
    EXPECT_FALSE(ShellAutomationUsable("3.02"));
    EXPECT_FALSE(ShellAutomationUsable(""));
    EXPECT_FALSE(ShellAutomationUsable(".5"));
}

}  // namespace
}  // namespace tavrin
