#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "forms/load_text_file_form.h"

namespace tavrin {
namespace {

struct LoadTextFileFormTest : ::testing::Test {
    FakeFiles files;
    FakeFileSystem fs{files};

    LoadTextFileFormTest() {
        files.contents["C:\\Texts\\Long Letter.txt"] = {1};
        fs.shortPaths["C:\\Texts\\Long Letter.txt"] = "C:\\TEXTS\\LONGLE~1.TXT";
        files.contents["C:\\TEXTS\\LONGLE~1.TXT"] = {1};
    }

    static LoadTextFileFields Fields(const std::string& path) {
        LoadTextFileFields fields;
        fields.Path = path;
        return fields;
    }
};

TEST_F(LoadTextFileFormTest, ANewCommandHasNoFile) {
    EXPECT_EQ(NewLoadTextFileFields().Path, "");
}

TEST_F(LoadTextFileFormTest, AnExistingFileIsWrittenInItsShortForm) {
    const auto answer = AcceptLoadTextFile(Fields(" C:\\Texts\\Long Letter.txt "), fs, false);
    EXPECT_TRUE(answer.Ok());
    EXPECT_EQ(answer.Text, "<TFILE:C:\\TEXTS\\LONGLE~1.TXT>");
}

TEST_F(LoadTextFileFormTest, AMissingFileIsAQuestionAndMayBeKeptAsTyped) {
    const LoadTextFileFields fields = Fields(" C:\\Texts\\Later.txt ");
    const auto asked = AcceptLoadTextFile(fields, fs, false);
    EXPECT_TRUE(asked.Refused.Question);
    EXPECT_EQ(asked.Refused.Message,
              "Specified Path and Program does not exist.  Do you wish to correct?");
    EXPECT_EQ(asked.Refused.Field, kLoadTextFilePath);
    EXPECT_EQ(asked.Text, "");
    const auto kept = AcceptLoadTextFile(fields, fs, true);
    EXPECT_TRUE(kept.Ok());
    EXPECT_EQ(kept.Text, "<TFILE:C:\\Texts\\Later.txt>");
    EXPECT_EQ(kept.Entered.Path, "C:\\Texts\\Later.txt");
}

TEST_F(LoadTextFileFormTest, NotepadOpensOnlyAnExistingFileInItsShortForm) {
    EXPECT_EQ(TextFileToEdit(Fields("C:\\Texts\\Long Letter.txt"), fs).Text,
              "C:\\TEXTS\\LONGLE~1.TXT");
    const auto refused = TextFileToEdit(Fields("C:\\Texts\\Later.txt"), fs).Refused;
    EXPECT_EQ(refused.Message,
              "Specified Path and Program does not exist.  Unable to open text file.");
    EXPECT_FALSE(refused.Question);
    EXPECT_EQ(refused.Field, kLoadTextFilePath);
}

TEST_F(LoadTextFileFormTest, AnEditedTagComesBackUnchanged) {
    for (const char* tag : {"<TFILE:C:\\TEXTS\\LONGLE~1.TXT>", "<TFILE:C:\\Texts\\Later.txt>"}) {
        const LoadTextFileFields fields = LoadTextFileFieldsOf(LoadTextFileValuesOf(Recognise(tag, 0)));
        EXPECT_EQ(AcceptLoadTextFile(fields, fs, true).Text, tag);
    }
}

}  // namespace
}  // namespace tavrin
