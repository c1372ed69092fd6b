#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "playback_rig.h"

namespace tavrin {
namespace {

using Events = std::vector<std::string>;
using Waits = std::vector<uint64_t>;

class ClipboardCommandsTest : public ::testing::Test, protected PlaybackRig {
protected:
    Events Play(const std::string& text) {
        input.events.clear();
        pump.waits.clear();
        EXPECT_TRUE(player.PlayTopLevel(text));
        return input.events;
    }
    void File(const std::string& path, const std::string& bytes) {
        files.contents[path].assign(bytes.begin(), bytes.end());
    }
};

TEST_F(ClipboardCommandsTest, TextBetweenBeginAndEndClipGoesToTheClipboard) {
    EXPECT_EQ(TypedKeys(Play("a<BEGCLIP>x<ENTER>y<ENDCLIP>b")), "ab");
    EXPECT_EQ(clipboard.text, "x<ENTER>y") << "the tags between are copied, not played";
    EXPECT_EQ(pump.waits, Waits{50});
    EXPECT_EQ(TypedKeys(Play("<BEGCLIP><ENDCLIP>c")), "c");
    EXPECT_EQ(clipboard.text, "") << "an empty text empties the clipboard";
    EXPECT_EQ(TypedKeys(Play("a<ENDCLIP>b")), "ab") << "an \"<ENDCLIP>\" on its own is skipped";

    clipboard.SetText("kept");
    const int changes = clipboard.changes;
    EXPECT_EQ(TypedKeys(Play("a<BEGCLIP>xyz")), "az")
        << "without an end, playback goes on with the last character";
    EXPECT_EQ(clipboard.text, "kept");
    EXPECT_EQ(clipboard.changes, changes);
    EXPECT_TRUE(pump.waits.empty());
}

TEST_F(ClipboardCommandsTest, ClipboardTextIsPlayedAsMacroText) {
    clipboard.SetText("h<TAB>i\r\nj");
    EXPECT_EQ(Play("<CLIPTYPE>"),
              (Events{"down 72", "up 72", "down 9", "up 9", "down 73", "up 73", "down 13", "up 13",
                      "down 74", "up 74"}))
        << "its tags are played and CR LF is one Enter";
    clipboard.SetText("h\r\ni\n<ENTER>\r");
    EXPECT_EQ(Play("<CLIPTYPEI>"),
              (Events{"down 72", "up 72", "down 73", "up 73", "down 13", "up 13"}))
        << "every CR and LF is removed first, tags still play";
    clipboard.SetText("<BEGCLIP>copied<ENDCLIP>x");
    EXPECT_EQ(TypedKeys(Play("<CLIPTYPE>")), "x");
    EXPECT_EQ(clipboard.text, "copied") << "a nested run has its own text and position";
}

TEST_F(ClipboardCommandsTest, NoClipboardTextTypesNothing) {
    EXPECT_TRUE(Play("<CLIPTYPE><CLIPTYPEI>").empty()) << "empty clipboard";
    clipboard.SetText("\r\n\n");
    EXPECT_TRUE(Play("<CLIPTYPEI>").empty()) << "only line breaks";
    clipboard.text = "old text";
    clipboard.picture = "C:\\P.BMP";
    EXPECT_TRUE(Play("<CLIPTYPE><CLIPTYPEI>").empty()) << "a picture is no text";
}

TEST_F(ClipboardCommandsTest, ClipFileCopiesTheFilesText) {
    File("C:\\A.TXT", "one\x1a two<ENTER>\r\n\x1a");
    EXPECT_TRUE(Play("<CLIPF:C:\\A.TXT>").empty()) << "copied, not played";
    EXPECT_EQ(clipboard.text, "one\x1a two<ENTER>\r\n") << "only a last Ctrl+Z is dropped";
    EXPECT_EQ(pump.waits, Waits{50});
    File("C:\\NUL.TXT", std::string("ab\0cd", 5));
    Play("<CLIPF:C:\\NUL.TXT>");
    EXPECT_EQ(clipboard.text, "ab") << "text after a NUL is left out, and the user told";
    EXPECT_EQ(ui.messages.size(), 1u);
    ui.messages.clear();
    File("C:\\EMPTY.TXT", "");
    Play("<CLIPF:C:\\EMPTY.TXT>");
    EXPECT_EQ(clipboard.text, "");

    clipboard.SetText("kept");
    const int changes = clipboard.changes;
    EXPECT_TRUE(Play("<CLIPF:C:\\MISSING.TXT>").empty());
    files.unopenable.insert("C:\\LOCKED.TXT");
    Play("<CLIPF:C:\\LOCKED.TXT>");
    EXPECT_EQ(clipboard.text, "kept") << "a file that cannot be opened does nothing";
    EXPECT_EQ(clipboard.changes, changes);
    EXPECT_TRUE(pump.waits.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ClipboardCommandsTest, ClipBitmapPutsThePictureOnTheClipboard) {
    File("C:\\P.BMP", "BM...");
    clipboard.bitmaps.insert("C:\\P.BMP");
    Play("<CLIPB:C:\\P.BMP>");
    EXPECT_EQ(clipboard.picture, "C:\\P.BMP");
    EXPECT_TRUE(ui.messages.empty());

    clipboard.SetText("kept");
    Play("<CLIPB:C:\\GONE.BMP>");
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"Bitmap Copy Error: Bitmap could not be located."});
    File("C:\\NOT.BMP", "plain text");
    Play("<CLIPB:C:\\NOT.BMP>");
    EXPECT_EQ(ui.messages.size(), 1u) << "a file that is no bitmap fails quietly";
    EXPECT_EQ(clipboard.GetText(), "kept");
}

TEST_F(ClipboardCommandsTest, CopyAndPasteKeys) {
    EXPECT_EQ(Play("<CLIPC>"), (Events{"down 17", "down 67", "up 67", "up 17"}));
    EXPECT_TRUE(pump.waits.empty());
    EXPECT_EQ(Play("<SPEED:00.00><CLIPP>"), (Events{"down 17", "down 86", "up 86", "up 17"}));
    EXPECT_EQ(pump.waits, Waits{100}) << "the pause after Paste ignores the speed";
}

}  // namespace
}  // namespace tavrin
