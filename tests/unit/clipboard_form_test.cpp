#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "forms/clipboard_form.h"

namespace tavrin {
namespace {

struct ClipboardFormTest : ::testing::Test {
    FakeFiles files;
    FakeFileSystem fs{files};

    ClipboardFormTest() {
        files.contents["C:\\My Notes.txt"] = {1};
        fs.shortPaths["C:\\My Notes.txt"] = "C:\\MYNOTE~1.TXT";
        files.contents["C:\\Logo.bmp"] = {1};
    }

    CommandAnswer<ClipboardValues> Accept(int kind, const std::string& path = "",
                                          bool ignoreLines = false) {
        ClipboardFields fields;
        fields.Kind = kind;
        fields.Path = path;
        fields.IgnoreLines = ignoreLines;
        return AcceptClipboard(fields, fs);
    }
};

TEST_F(ClipboardFormTest, ANewCommandStartsAClipboardCopy) {
    const ClipboardFields fields = NewClipboardFields();
    EXPECT_EQ(fields.Kind, 1);
    EXPECT_FALSE(fields.IgnoreLines);
    EXPECT_EQ(fields.Path, "");
}

TEST_F(ClipboardFormTest, AMissingFileIsRefusedWithTheMessageOfItsKind) {
    auto answer = Accept(3, "C:\\Logo.txt");
    EXPECT_EQ(answer.Refused.Message, "Specified Text File does not exist.  Please correct.");
    EXPECT_EQ(answer.Refused.Field, kClipboardPath);
    answer = Accept(6, " ");
    EXPECT_EQ(answer.Refused.Message, "Specified Bitmap File does not exist.  Please correct.");
    EXPECT_EQ(answer.Refused.Field, kClipboardPath);
}

TEST_F(ClipboardFormTest, EachKindWritesItsTag) {
    const struct {
        int kind;
        const char* path;
        bool ignoreLines;
        const char* tag;
        int enteredKind;
    } cases[] = {
        {1, "", false, "<BEGCLIP>", 1},
        {2, "", false, "<ENDCLIP>", 2},
        {3, " C:\\My Notes.txt ", false, "<CLIPF:C:\\MYNOTE~1.TXT>", 3},
        {4, "", false, "<CLIPC>", 4},
        {5, "", true, "<CLIPP>", 5},
        {6, "C:\\Logo.bmp", false, "<CLIPB:C:\\Logo.bmp>", 6},
        {7, "", false, "<CLIPTYPE>", 7},
        {7, "", true, "<CLIPTYPEI>", 8},
        {0, "", false, "", 0},
    };
    for (const auto& c : cases) {
        const auto answer = Accept(c.kind, c.path, c.ignoreLines);
        EXPECT_TRUE(answer.Ok()) << c.tag;
        EXPECT_EQ(answer.Text, c.tag);
        EXPECT_EQ(answer.Entered.Kind, c.enteredKind) << c.tag;
    }
}

TEST_F(ClipboardFormTest, AnEditedTagComesBackUnchanged) {
    for (const char* tag : {"<BEGCLIP>", "<ENDCLIP>", "<CLIPF:C:\\MYNOTE~1.TXT>", "<CLIPC>",
                            "<CLIPP>", "<CLIPB:C:\\Logo.bmp>", "<CLIPTYPE>", "<CLIPTYPEI>"}) {
        files.contents["C:\\MYNOTE~1.TXT"] = {1};
        const auto answer =
            AcceptClipboard(ClipboardFieldsOf(ClipboardValuesOf(Recognise(tag, 0))), fs);
        EXPECT_EQ(answer.Text, tag);
    }
    EXPECT_TRUE(ClipboardFieldsOf(ClipboardValuesOf(Recognise("<CLIPTYPEI>", 0))).IgnoreLines);
}

}  // namespace
}  // namespace tavrin
