#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "forms/file_manipulation_form.h"

namespace tavrin {
namespace {

struct FileManipulationFormTest : ::testing::Test {
    FakeFiles files;
    FakeFileSystem fs{files};

    FileManipulationFormTest() {
        files.contents["C:\\Notes.txt"] = {1};
        fs.folders.insert("C:\\PROGRA~1");
        fs.shortPaths["C:\\Program Files\\"] = "C:\\PROGRA~1\\";
    }

    CommandAnswer<FileManipulationValues> Accept(int kind, const std::string& path,
                                                 const std::string& newName = "") {
        FileManipulationFields fields;
        fields.Kind = kind;
        fields.Path = path;
        fields.NewName = newName;
        return AcceptFileManipulation(fields, fs);
    }
};

TEST_F(FileManipulationFormTest, ANewCommandChangesTheFolder) {
    const FileManipulationFields fields = NewFileManipulationFields();
    EXPECT_EQ(fields.Kind, 1);
    EXPECT_EQ(fields.Path, "");
    EXPECT_EQ(fields.NewName, "");
}

TEST_F(FileManipulationFormTest, ChecksComeInTheirOrderWithTheirMessages) {
    const struct {
        int kind;
        const char* path;
        const char* newName;
        const char* message;
        int field;
    } cases[] = {
        {2, "C:\\missing.txt", " ", "No new name specified.  Please correct.",
         kFileManipulationNewName},
        {3, "C:\\Notes.txt", "", "No new name specified.  Please correct.",
         kFileManipulationNewName},
        {2, "C:\\missing.txt", "Copy.txt", "Specified Text File does not exist.  Please correct.",
         kFileManipulationPath},
        {4, "C:\\missing.txt", "", "Specified Text File does not exist.  Please correct.",
         kFileManipulationPath},
        {4, "C:\\PROGRA~1", "", "Specified Text File does not exist.  Please correct.",
         kFileManipulationPath},
        {1, "C:\\Missing", "", "Specified directory/folder does not exist.  Please correct.",
         kFileManipulationPath},
        {1, "C:\\Notes.txt", "", "Specified directory/folder does not exist.  Please correct.",
         kFileManipulationPath},
    };
    for (const auto& c : cases) {
        const auto answer = Accept(c.kind, c.path, c.newName);
        EXPECT_EQ(answer.Refused.Message, c.message) << c.kind << " " << c.path;
        EXPECT_EQ(answer.Refused.Field, c.field) << c.kind << " " << c.path;
        EXPECT_EQ(answer.Text, "");
    }
}

TEST_F(FileManipulationFormTest, EachKindWritesItsTag) {
    const struct {
        int kind;
        const char* path;
        const char* newName;
        const char* tag;
    } cases[] = {
        {1, " C:\\Program Files\\ ", "", "<CHDIR:C:\\PROGRA~1\\>"},
        {2, " C:\\Notes.txt ", " Copy.txt ", "<COPYFILE:C:\\Notes.txt;Copy.txt>"},
        {3, "C:\\Notes.txt", "Old.txt", "<RENFILE:C:\\Notes.txt;Old.txt>"},
        {4, "C:\\Notes.txt", "ignored", "<DELFILE:C:\\Notes.txt>"},
        {5, " C:\\Not There Yet ", "", "<MKDIR:C:\\Not There Yet>"},
        {0, "C:\\Notes.txt", "", ""},
    };
    for (const auto& c : cases) {
        const auto answer = Accept(c.kind, c.path, c.newName);
        EXPECT_TRUE(answer.Ok()) << c.tag << ": " << answer.Refused.Message;
        EXPECT_EQ(answer.Text, c.tag);
    }
    const auto copy = Accept(2, "C:\\Notes.txt", "Copy.txt");
    EXPECT_EQ(copy.Entered.Kind, 2);
    EXPECT_EQ(copy.Entered.Path, "C:\\Notes.txt");
    EXPECT_EQ(copy.Entered.NewName, "Copy.txt");
}

TEST_F(FileManipulationFormTest, AnEditedTagComesBackUnchanged) {
    for (const char* tag : {"<CHDIR:C:\\PROGRA~1\\>", "<COPYFILE:C:\\Notes.txt;Copy.txt>",
                            "<RENFILE:C:\\Notes.txt;Old.txt>", "<DELFILE:C:\\Notes.txt>",
                            "<MKDIR:C:\\New Folder>"}) {
        const auto answer = AcceptFileManipulation(
            FileManipulationFieldsOf(FileManipulationValuesOf(Recognise(tag, 0))), fs);
        EXPECT_EQ(answer.Text, tag);
    }
}

}  // namespace
}  // namespace tavrin
