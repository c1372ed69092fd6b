#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "forms/load_macro_file_form.h"

namespace tavrin {
namespace {

TEST(LoadMacroFileFormTest, TheFileMustExistAndIsWrittenShort) {
    FakeFiles files;
    files.contents["C:\\Macro Files\\work macros.zyn"] = {};
    FakeFileSystem system{files};
    system.shortPaths["C:\\Macro Files\\work macros.zyn"] = "C:\\MACROF~1\\WORKMA~1.ZYN";

    EXPECT_EQ(NewLoadMacroFileFields().Path, "");
    for (const char* missing : {"", "  ", "C:\\NONE.ZYN"}) {
        const auto answer = AcceptLoadMacroFile({missing}, system);
        EXPECT_EQ(answer.Refused.Message, "Specified Macro File does not exist.  Please correct.");
        EXPECT_EQ(answer.Refused.Field, kMacroFilePathField);
    }
    const auto answer = AcceptLoadMacroFile({" C:\\Macro Files\\work macros.zyn "}, system);
    EXPECT_EQ(answer.Text, "<SWAP:C:\\MACROF~1\\WORKMA~1.ZYN>");

    files.contents["C:\\KELDA.ZYN"] = {};
    const auto fields =
        LoadMacroFileFieldsOf(LoadMacroFileValuesOf(Recognise("<SWAP:C:\\KELDA.ZYN>", 0)));
    EXPECT_EQ(AcceptLoadMacroFile(fields, system).Text, "<SWAP:C:\\KELDA.ZYN>");
}

}  // namespace
}  // namespace tavrin
