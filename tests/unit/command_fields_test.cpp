#include <gtest/gtest.h>

#include <set>

#include "fakes/fake_file_system.h"
#include "forms/command_dialog_table.h"
#include "forms/command_fields.h"

namespace tavrin {
namespace {

TEST(CommandFieldsTest, WholeNumbersConvertCompletelyOrNotAtAll) {
    int n = 99;
    EXPECT_TRUE(WholeNumber("  42 ", n));
    EXPECT_EQ(n, 42);
    EXPECT_TRUE(WholeNumber("-10", n));
    EXPECT_EQ(n, -10);
    EXPECT_TRUE(WholeNumber("+7", n));
    EXPECT_EQ(n, 7);
    EXPECT_TRUE(WholeNumber("-2147483648", n));
    EXPECT_EQ(n, -2147483647 - 1);
    n = 5;
    for (const char* bad : {"", "  ", "-", "1 2", "12a", "0x10", "2147483648", "1.5"}) {
        EXPECT_FALSE(WholeNumber(bad, n)) << bad;
        EXPECT_EQ(n, 5) << "a field that does not convert leaves the value alone: " << bad;
    }
    EXPECT_EQ(NumberOrZero(""), 0);
    EXPECT_EQ(NumberOrZero("abc"), 0);
    EXPECT_EQ(NumberOrZero(" 12 "), 12);
}

TEST(CommandFieldsTest, RealsTakeAnOptionalPoint) {
    double r = 0;
    EXPECT_TRUE(RealNumber("0.5", r));
    EXPECT_DOUBLE_EQ(r, 0.5);
    EXPECT_TRUE(RealNumber(" .25", r));
    EXPECT_DOUBLE_EQ(r, 0.25);
    EXPECT_TRUE(RealNumber("60", r));
    EXPECT_DOUBLE_EQ(r, 60);
    EXPECT_TRUE(RealNumber("-1.", r));
    EXPECT_DOUBLE_EQ(r, -1);
    for (const char* bad : {"", ".", "1.2.3", "1,5", "1e3", "abc"}) EXPECT_FALSE(RealNumber(bad, r)) << bad;
    EXPECT_EQ(RealText(1.5), "1.50");
    EXPECT_EQ(NumberText(-3), "-3");
}

TEST(CommandFieldsTest, AnExistingFileIsGivenInItsShortForm) {
    FakeFiles files;
    FakeFileSystem fs(files);
    files.contents["C:\\Program Files\\Notes.txt"] = {1};
    fs.shortPaths["C:\\Program Files\\Notes.txt"] = "C:\\PROGRA~1\\NOTES.TXT";
    EXPECT_EQ(ExistingFile(fs, "  C:\\Program Files\\Notes.txt "), "C:\\PROGRA~1\\NOTES.TXT");
    EXPECT_EQ(ExistingFile(fs, "C:\\missing.txt"), "");
    EXPECT_EQ(ExistingFile(fs, "C:"), "") << "a folder is no file";
    EXPECT_EQ(ExistingFile(fs, ""), "");
}

TEST(CommandFieldsTest, AnExistingFolderIsGivenInItsShortForm) {
    FakeFiles files;
    FakeFileSystem fs(files);
    fs.folders.insert("C:\\PROGRA~1");
    fs.shortPaths["C:\\Program Files\\"] = "C:\\PROGRA~1\\";
    files.contents["C:\\Notes.txt"] = {1};
    EXPECT_EQ(ExistingFolder(fs, " C:\\Program Files\\ "), "C:\\PROGRA~1\\");
    EXPECT_EQ(ExistingFolder(fs, "C:\\Missing"), "");
    EXPECT_EQ(ExistingFolder(fs, "C:\\Notes.txt"), "") << "a file is no folder";
    EXPECT_EQ(ExistingFolder(fs, ""), "");
}

TEST(CommandDialogTableTest, EveryCommandHasADialogAndEveryDialogAName) {
    std::set<CommandDialogId> used;
    for (int command = 1; command <= kCommandCount; ++command) {
        const CommandDialogUse use = CommandDialogOf(command);
        EXPECT_NE(use.Dialog, CommandDialogId::None) << command;
        used.insert(use.Dialog);
    }
    EXPECT_EQ(CommandDialogOf(0).Dialog, CommandDialogId::None);
    EXPECT_EQ(CommandDialogOf(kCommandCount + 1).Dialog, CommandDialogId::None);
    EXPECT_EQ(used.size(), static_cast<size_t>(CommandDialogId::FirstSupport) - 1)
        << "every command dialog serves a command";
    for (int k = 1; k < static_cast<int>(CommandDialogId::Count); ++k) {
        const auto id = static_cast<CommandDialogId>(k);
        EXPECT_EQ(CommandDialogNamed(CommandDialogName(id)), id) << CommandDialogName(id);
    }
    EXPECT_EQ(CommandDialogNamed("no-such-dialog"), CommandDialogId::None);
    EXPECT_EQ(CommandDialogOf(93).Dialog, CommandDialogId::WaitFor);
    EXPECT_EQ(CommandDialogOf(110).Kind, 9);
}

}  // namespace
}  // namespace tavrin
