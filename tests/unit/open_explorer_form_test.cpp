#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "forms/open_explorer_form.h"

namespace tavrin {
namespace {

struct OpenExplorerFormTest : ::testing::Test {
    FakeFiles files;
    FakeFileSystem fs{files};

    OpenExplorerFormTest() {
        fs.folders.insert("C:\\PROGRA~1");
        fs.shortPaths["C:\\Program Files"] = "C:\\PROGRA~1";
        files.contents["C:\\Notes.txt"] = {1};
    }

    CommandAnswer<OpenExplorerValues> Accept(const std::string& folder) {
        OpenExplorerFields fields;
        fields.Folder = folder;
        return AcceptOpenExplorer(fields, fs);
    }
};

TEST_F(OpenExplorerFormTest, ANewCommandHasNoFolder) {
    EXPECT_EQ(NewOpenExplorerFields().Folder, "");
}

TEST_F(OpenExplorerFormTest, OnlyAnExistingFolderIsTaken) {
    for (const char* missing : {"", "C:\\Missing", "C:\\Notes.txt"}) {
        const auto answer = Accept(missing);
        EXPECT_EQ(answer.Refused.Message, "Specified folder does not exist.  Please correct.")
            << missing;
        EXPECT_EQ(answer.Refused.Field, kOpenExplorerFolder);
    }
}

TEST_F(OpenExplorerFormTest, TheFolderIsWrittenAsTyped) {
    EXPECT_EQ(Accept(" C:\\Program Files ").Text, "<EXPLORE:C:\\Program Files>");
    EXPECT_EQ(Accept("C:\\PROGRA~1\\").Text, "<EXPLORE:C:\\PROGRA~1\\>");
}

TEST_F(OpenExplorerFormTest, AnEditedTagComesBackUnchanged) {
    const char* tag = "<EXPLORE:C:\\Program Files>";
    EXPECT_EQ(AcceptOpenExplorer(OpenExplorerFieldsOf(OpenExplorerValuesOf(Recognise(tag, 0))), fs)
                  .Text,
              tag);
}

}  // namespace
}  // namespace tavrin
