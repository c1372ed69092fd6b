#include <gtest/gtest.h>

#include "forms/network_drive_form.h"
#include "language/scrambled_password.h"
#include "language/tag_recogniser.h"

namespace tavrin {
namespace {

NetworkDriveFields Fields(int kind, const std::string& path) {
    NetworkDriveFields fields = NewNetworkDriveFields();
    fields.Kind = kind;
    fields.Drive = "E:";
    fields.Path = path;
    return fields;
}

TEST(NetworkDriveFormTest, TheDriveListHoldsFreeAndConnectedLetters) {
    // A:, C: and E: are drives of the system; E: is a connected share.
    const auto letters = NetworkDriveLetters(0x15, {"e:"});
    ASSERT_EQ(letters.size(), 24u);
    EXPECT_EQ(letters[0], "B:");
    EXPECT_EQ(letters[1], "D:");
    EXPECT_EQ(letters[2], "E:");
    EXPECT_EQ(letters.back(), "Z:");
    EXPECT_EQ(NetworkDriveLetters(0x3FFFFFF, {}).size(), 0u);
}

TEST(NetworkDriveFormTest, TheDriveSelectedAtOpening) {
    const std::vector<std::string> drives = {"B:", "D:", "E:"};
    EXPECT_EQ(DriveLine(drives, NewNetworkDriveFields()), 1);
    EXPECT_EQ(DriveLine({"B:"}, NewNetworkDriveFields()), 0);
    EXPECT_EQ(DriveLine({}, NewNetworkDriveFields()), -1);
    EXPECT_EQ(DriveLine(drives, Fields(1, "")), 2);
    NetworkDriveFields gone = Fields(1, "");
    gone.Drive = "Q:";
    EXPECT_EQ(DriveLine(drives, gone), -1);
}

TEST(NetworkDriveFormTest, ThePickedPathKeepsServerAndShare) {
    EXPECT_EQ(NetworkShareOf("\\\\SERVER\\SHARE"), "\\\\SERVER\\SHARE");
    EXPECT_EQ(NetworkShareOf("\\\\SERVER\\SHARE\\DOCS\\2024"), "\\\\SERVER\\SHARE");
    EXPECT_EQ(MappedDriveLine("F:", "\\\\HOST\\C"), "F: mapped to \\\\HOST\\C");
}

TEST(NetworkDriveFormTest, ANewCommand) {
    const NetworkDriveFields fields = NewNetworkDriveFields();
    EXPECT_EQ(fields.Kind, 1);
    EXPECT_TRUE(fields.DefaultLogon);
    EXPECT_FALSE(fields.Permanent || fields.Force || fields.Status);
}

TEST(NetworkDriveFormTest, ConnectingNeedsAPath) {
    for (int kind : {1, 3}) {
        const auto answer = AcceptNetworkDrive(Fields(kind, "   "));
        EXPECT_EQ(answer.Refused.Message, "No network path has been entered.  Please correct.");
        EXPECT_EQ(answer.Refused.Field, 1);
    }
    EXPECT_TRUE(AcceptNetworkDrive(Fields(2, "")).Ok());
}

TEST(NetworkDriveFormTest, TheTagOfEachKind) {
    NetworkDriveFields logon = Fields(1, " \\\\SRV\\PUB ");
    logon.DefaultLogon = false;
    logon.Name = " jo ";
    logon.Password = "abc";
    logon.Status = true;
    NetworkDriveFields keep = Fields(3, "\\\\SRV\\PUB");
    keep.Permanent = true;
    keep.Force = true;  // only a disconnection is forced
    keep.Name = "ignored while the default is used";
    NetworkDriveFields drop = Fields(2, "\\\\SRV\\PUB");
    drop.Permanent = drop.Force = drop.Status = true;
    struct Case {
        NetworkDriveFields fields;
        std::string tag;
    } cases[] = {
        {Fields(1, "\\\\SRV\\PUB"), "<NWC:<NAME:><PASS:>E:\\\\SRV\\PUB>"},
        {logon, "<NWCS:<NAME:jo><PASS:" + ScramblePassword("abc") + ">E:\\\\SRV\\PUB>"},
        {keep, "<NWTP:<NAME:><PASS:>E:\\\\SRV\\PUB>"},
        {Fields(2, ""), "<NWD:E:>"},
        {drop, "<NWDPFS:E:>"},
        {Fields(0, ""), ""},
    };
    for (const Case& c : cases) {
        const auto answer = AcceptNetworkDrive(c.fields);
        ASSERT_TRUE(answer.Ok()) << c.tag;
        EXPECT_EQ(answer.Text, c.tag);
        if (c.tag.empty()) continue;
        // An edit of the tag writes it again.
        const auto again = AcceptNetworkDrive(
            NetworkDriveFieldsOf(NetworkDriveValuesOf(Recognise(c.tag, 0))));
        EXPECT_EQ(again.Text, c.tag);
    }
}

}  // namespace
}  // namespace tavrin
