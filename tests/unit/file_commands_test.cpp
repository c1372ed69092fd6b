#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "playback/text_file.h"
#include "playback_rig.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;
using Events = std::vector<std::string>;

class FileCommandsTest : public ::testing::Test, protected PlaybackRig {
protected:
    void Write(const std::string& path, const std::string& text) {
        files.contents[path].assign(text.begin(), text.end());
    }
    std::string Read(const std::string& path) {
        const std::vector<uint8_t>& bytes = files.contents.at(path);
        return std::string(bytes.begin(), bytes.end());
    }
    Events Play(const std::string& text) {
        input.events.clear();
        EXPECT_TRUE(player.PlayTopLevel(text));
        return input.events;
    }
};

TEST_F(FileCommandsTest, MakeDirCreatesTheMissingLevelsFromTheLeft) {
    fileSystem.folders.insert("C:\\A");
    Play("<MKDIR:C:\\A\\B\\C>");
    EXPECT_EQ(fileSystem.actions, (Strings{"mkdir C:\\A\\B\\", "mkdir C:\\A\\B\\C"}));
    EXPECT_TRUE(ui.messages.empty());

    fileSystem.actions.clear();
    Play("<MKDIR:C:\\A\\B\\C>");
    EXPECT_TRUE(fileSystem.actions.empty()) << "a folder that exists is left alone";

    // The first level that cannot be created is shown and ends the command,
    // not the macro.
    fileSystem.uncreatable.insert("C:\\X\\Y");
    EXPECT_EQ(TypedKeys(Play("<MKDIR:C:\\X\\Y\\Z>a")), "a");
    EXPECT_EQ(fileSystem.actions, (Strings{"mkdir C:\\X\\", "mkdir C:\\X\\Y\\"}));
    EXPECT_EQ(ui.messages,
              Strings{"Create Folder Failed: Folder \"C:\\X\\Y\\\" could not be created."});
}

TEST_F(FileCommandsTest, FileOperationsTakeTheirPathsAsWritten) {
    Write("C:\\OLD.TXT", "old");
    Write("C:\\NEW.TXT", "new");
    Write("C:\\GONE.TXT", "gone");
    Play("<COPYFILE:C:\\NEW.TXT;C:\\OLD.TXT><COPYFILE:C:\\NONE.TXT;C:\\NEW.TXT>"
         "<RENFILE:C:\\NEW.TXT;C:\\A\\MOVED.TXT><DELFILE:C:\\GONE.TXT><CHDIR:C:\\A>");
    EXPECT_EQ(Read("C:\\OLD.TXT"), "new") << "a copy replaces the destination";
    EXPECT_EQ(Read("C:\\A\\MOVED.TXT"), "new") << "a failed copy left it as it was";
    EXPECT_EQ(files.contents.count("C:\\NEW.TXT"), 0u);
    EXPECT_EQ(files.contents.count("C:\\GONE.TXT"), 0u);
    EXPECT_EQ(fileSystem.actions, Strings{"chdir C:\\A"});
    EXPECT_TRUE(ui.messages.empty()) << "their failures are silent";
}

TEST_F(FileCommandsTest, TextFilesPlayAsMacroText) {
    Write("C:\\T.TXT", std::string("x<ENTER>y\x1A"));
    EXPECT_EQ(Play("<TFILE:C:\\T.TXT>z"),
              (Events{"down 88", "up 88", "down 13", "up 13", "down 89", "up 89", "down 90",
                      "up 90"}))
        << "its tags play, its last Ctrl+Z is dropped, and the caller goes on";

    Write("C:\\T.TXT", std::string("xy\0z", 4));
    EXPECT_EQ(TypedKeys(Play("<TFILE:C:\\T.TXT>")), "xy") << "text after a NUL is left out";
    EXPECT_EQ(ui.messages, Strings{"Text File Error: The file \"C:\\T.TXT\" holds a NUL "
                                   "character: the text after it is left out."});
    ui.messages.clear();

    EXPECT_TRUE(Play("<TFILE:C:\\NONE.TXT>").empty());
    EXPECT_TRUE(ui.messages.empty()) << "a missing file does nothing";

    // The largest file read: a remark that fills it, then one letter.
    const std::string big = "<REM:" + std::string(kMaxTextFileBytes - 7, '-') + ">b";
    Write("C:\\BIG.TXT", big);
    EXPECT_EQ(TypedKeys(Play("<TFILE:C:\\BIG.TXT>")), "b");
    Write("C:\\BIG.TXT", big + "c");
    EXPECT_TRUE(Play("<TFILE:C:\\BIG.TXT>").empty()) << "a larger file is not read";
    EXPECT_EQ(ui.messages, Strings{"Text File Error: The file \"C:\\BIG.TXT\" is larger than "
                                   "1 MB: it is not read as macro text."});
}

TEST_F(FileCommandsTest, AFileThatPlaysItselfStopsAtTheNestingLimit) {
    Write("C:\\SELF.TXT", "a<TFILE:C:\\SELF.TXT>");
    const std::string typed = TypedKeys(Play("<TFILE:C:\\SELF.TXT>b"));
    EXPECT_EQ(typed, std::string(Player::kMaxNesting - 1, 'a')) << "and ends the macro";
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].substr(0, 22), "Macro Execution Error:");
}

TEST_F(FileCommandsTest, AddressesAndFoldersOpenInTheShell) {
    Play("<HTTP:http://example.com/a b><FTP:ftp://example.com><EXPLORE:C:\\Windows>");
    EXPECT_EQ(desktop.actions, (Strings{"address http://example.com/a b",
                                        "address ftp://example.com", "explore C:\\Windows"}));
}

}  // namespace
}  // namespace tavrin
