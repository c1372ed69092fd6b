// Placing a macro on the desktop: the refusals, the shortcut's file name and
// the argument that starts the macro by nickname.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/macro_builder.h"
#include "fakes/store_rig.h"
#include "forms/desktop_link.h"
#include "startup/command_line.h"
#include "triggers/run_by_nickname.h"

namespace tavrin {
namespace {

constexpr uint16_t kCtrlA = 0, kAltA = 48, kCtrlAltA = 144, kF1 = 288;

class DesktopLinkTest : public ::testing::Test, protected StoreRig {
protected:
    // The file holds these macros; loading adds the four system macros.
    void Load(const std::vector<MacroRecord>& records) {
        const std::string file = kStoreFolder + "\\KELDA.ZYN";
        files.contents[file] = MacroFileOf(records);
        store.LoadMacroFile(file);
    }
};

TEST_F(DesktopLinkTest, PlaceOnDesktopRefusalsSafeFileNameAndQuotedArgument) {
    Load({MakeMacro("   ", kF1), MakeMacro("Twin", kF1), MakeMacro("Twin", kCtrlA),
          MakeMacro(" tWIN ", kAltA), MakeMacro(" Daily/Weekly: a*b? \"x\"<y> |z. ", kCtrlAltA),
          MakeMacro("say \" hi", kF1), MakeMacro("Solo", kAltA)});
    DesktopLinkCheck check = CheckDesktopLink(store, 1);
    EXPECT_FALSE(check.ok);
    EXPECT_NE(check.message.find("has no nickname assigned"), std::string::npos);
    check = CheckDesktopLink(store, 2);
    EXPECT_FALSE(check.ok);
    EXPECT_NE(check.message.find("same nickname as another macro.  You will  need"),
              std::string::npos);
    // Started by nickname, " tWIN " would be taken for the first "Twin".
    EXPECT_FALSE(CheckDesktopLink(store, 4).ok);
    EXPECT_NE(CheckDesktopLink(store, 6).message.find("double quote followed by a space"),
              std::string::npos);
    check = CheckDesktopLink(store, 5);
    ASSERT_TRUE(check.ok);
    EXPECT_EQ(check.nickname, "Daily/Weekly: a*b? \"x\"<y> |z.");
    EXPECT_EQ(LinkFileName(check.nickname), "Daily_Weekly_ a_b_ _x__y_ _z_.LNK");
    EXPECT_EQ(LinkFileName("a\\b\tc"), "a_b_c.LNK");
    EXPECT_EQ(LinkFileName("con"), "con_.LNK");
    EXPECT_EQ(LinkFileName("LPT1"), "LPT1_.LNK");
    EXPECT_EQ(LinkFileName("CONSOLE"), "CONSOLE.LNK");
    EXPECT_EQ(LinkFileName("COM0"), "COM0.LNK");

    // The argument comes back whole through the command line, and starts
    // the macro even when its nickname has spaces around it.
    const std::string line = "C:\\TAVRIN\\QORVIL.EXE " + LinkArguments(check.nickname);
    EXPECT_EQ(line, "C:\\TAVRIN\\QORVIL.EXE /A\"Daily/Weekly: a*b? \"x\"<y> |z.\"");
    EXPECT_EQ(FindMacroByNickname(store, NicknameAfterA(line, 50)), 5);
    EXPECT_EQ(NicknameAfterA("Q.EXE /A \"a/b\"c\" /HIDE", 50), "A/B\"C");
    EXPECT_EQ(NicknameAfterA("Q.EXE /A\"open", 50), "\"OPEN") << "no closing quote: as typed";
    ASSERT_TRUE(CheckDesktopLink(store, 7).ok);
    EXPECT_EQ(LinkFileName(CheckDesktopLink(store, 7).nickname), "Solo.LNK");
}

}  // namespace
}  // namespace tavrin
