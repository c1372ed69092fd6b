#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/scrambled_password.h"
#include "playback/network_commands.h"
#include "playback_rig.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;

class NetworkCommandsTest : public ::testing::Test, protected PlaybackRig {
protected:
    FakeNetworkDrives& drives = system.drives;
    FakeDialUp& dialUp = system.dialUp;
    void Play(const std::string& text) { ASSERT_TRUE(player.PlayTopLevel(text)); }
};

TEST(ScrambledPassword, IsItsOwnInverseAndMovesCodesByBlocks) {
    std::string every;
    for (int c = 0; c < 256; ++c) every += static_cast<char>(c);
    EXPECT_EQ(ScramblePassword(ScramblePassword(every)), every);
    const std::string s = ScramblePassword(every);
    const auto code = [&](int c) { return static_cast<unsigned char>(s[c]); };
    EXPECT_EQ(code(0), 0);
    EXPECT_EQ(code(1), 26);
    EXPECT_EQ(code(25), 50);
    EXPECT_EQ(code(26), 1);
    EXPECT_EQ(code(50), 25);
    EXPECT_EQ(code(51), 76);
    EXPECT_EQ(code(100), 75);
    EXPECT_EQ(code(101), 126);
    EXPECT_EQ(code(175), 200);
    EXPECT_EQ(code(200), 175);
    EXPECT_EQ(code(201), 201);
    EXPECT_EQ(code(255), 255);
    EXPECT_EQ(ScramblePassword("secret"), "\x8C~J\x8B~\x8D");
}

TEST_F(NetworkCommandsTest, ConnectSplitsDriveAndShareAndUnscramblesThePassword) {
    const std::string tag =
        "<NWC:<NAME:bob><PASS:" + ScramblePassword("pw") + ">F:\\\\SRV\\DOCS>a";
    Play(tag);
    EXPECT_EQ(drives.calls, (Strings{"connect F: \\\\SRV\\DOCS bob pw"}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(TypedKeys(input.events), "a");

    drives.calls.clear();
    drives.result = 85;
    Play("<NWCP:<NAME:><PASS:>G:\\\\SRV\\X>");
    EXPECT_EQ(drives.calls, (Strings{"connect G: \\\\SRV\\X   permanent"}));
    EXPECT_TRUE(ui.messages.empty()) << "without \"S\" a failure shows nothing";
}

TEST_F(NetworkCommandsTest, TheShowFlagGivesEachResultItsText) {
    const std::vector<std::pair<uint32_t, std::string>> results = {
        {0, "Drive mapped succesfully."},
        {5, "Map Failed.  Access to the nework device was denied."},
        {85, "Map Failed.  Drive was already assigned to a nework device."},
        {1222, "Map Failed.  No network exists."},
        {1203, "Map Failed.  Unknown Error #1203"},
    };
    for (const auto& [result, text] : results) {
        ui.messages.clear();
        drives.result = result;
        Play("<NWCS:<NAME:><PASS:>Q:\\\\NOHOST\\SHARE>");
        EXPECT_EQ(ui.messages, (Strings{"Map Q: to \\\\NOHOST\\SHARE: " + text}));
    }
    const std::vector<std::pair<uint32_t, std::string>> unmaps = {
        {0, "Drive succesfully unmapped."},
        {2250, "Unmap Failed.  Drive is not currently connected to a nework device."},
        {2401, "Unmap Failed.  There are open files on the network device and the \"Force\" "
               "option was not used."},
        {7, "Unmap Failed.  Unknown Error #7"},
    };
    for (const auto& [result, text] : unmaps) {
        ui.messages.clear();
        drives.result = result;
        Play("<NWDS:F:>");
        EXPECT_EQ(ui.messages, (Strings{"Unmap Network Drive F:: " + text}));
    }
    drives.calls.clear();
    Play("<NWDPF:H:>");
    EXPECT_EQ(drives.calls, (Strings{"disconnect H: permanent force"}));
}

TEST_F(NetworkCommandsTest, ToggleDisconnectsAMappedDriveAndConnectsOneThatIsNot) {
    drives.connected = {"", "f:"};
    Play("<NWTPS:<NAME:bob><PASS:>F:\\\\SRV\\DOCS>");
    EXPECT_EQ(drives.calls, (Strings{"disconnect F: permanent"})) << "never forced";
    EXPECT_EQ(ui.messages, (Strings{"Unmap Network Drive F:: Drive succesfully unmapped."}));

    drives.calls.clear();
    ui.messages.clear();
    Play("<NWT:<NAME:bob><PASS:>G:\\\\SRV\\DOCS>");
    EXPECT_EQ(drives.calls, (Strings{"connect G: \\\\SRV\\DOCS bob "}));
    EXPECT_TRUE(ui.messages.empty());

    drives.calls.clear();
    Play("<NWT:<NAME:><PASS:>>");
    EXPECT_EQ(drives.calls, (Strings{"connect    "})) << "an empty field is tried, not matched";
}

TEST_F(NetworkCommandsTest, DialReportsAFailureAndHangsUpWhatItLeftOpen) {
    Play("<DIAL:<NAME:ann><PASS:" + ScramblePassword("q1") + ">Office>a");
    EXPECT_EQ(dialUp.calls, (Strings{"dial Office ann q1"}));
    EXPECT_TRUE(ui.messages.empty());

    dialUp.calls.clear();
    dialUp.dialResult = 678;
    dialUp.dialConnection = 9;
    Play("<DIAL:<NAME:><PASS:>Nowhere>");
    EXPECT_EQ(dialUp.calls, (Strings{"dial Nowhere  ", "hang up 9"}));
    EXPECT_EQ(ui.messages, (Strings{"Dial-Up Error: Dial-Up Network Connection to Nowhere "
                                    "failed.  Error code: 678"}));
    dialUp.calls.clear();
    dialUp.dialConnection = 0;
    Play("<DIAL:<NAME:><PASS:>Nowhere>");
    EXPECT_EQ(dialUp.calls, (Strings{"dial Nowhere  "})) << "nothing to hang up";
}

TEST_F(NetworkCommandsTest, HangUpEndsOnlyTheFirstConnection) {
    dialUp.connections = {4, 7};
    Play("<HANG>");
    EXPECT_EQ(dialUp.calls, (Strings{"hang up 4"}));
    EXPECT_TRUE(ui.messages.empty());

    dialUp.hangUpResult = 5;
    Play("<HANG>");
    dialUp.connections.clear();
    Play("<HANG>");
    dialUp.listed = false;
    Play("<HANG>");
    EXPECT_EQ(ui.messages,
              (Strings{"Dial-Up Error: Dial-Up Networking Hang Up failed.",
                       "Dial-Up Error: There are no Dial-Up Networking connections to hang up.",
                       "Dial-Up Error: Dial-Up Networking Hang Up failed."}));
}

TEST_F(NetworkCommandsTest, WithoutTheDialUpLibraryBothTagsSaySoAndPlaybackGoesOn) {
    dialUp.available = false;
    Play("<DIAL:<NAME:><PASS:>Office>a<HANG>b");
    EXPECT_TRUE(dialUp.calls.empty());
    const std::string warning = std::string("Warning: ") + kDialUpMissing;
    EXPECT_EQ(ui.textBoxes, (Strings{warning, warning}));
    EXPECT_EQ(TypedKeys(input.events), "ab");
}

}  // namespace
}  // namespace tavrin
