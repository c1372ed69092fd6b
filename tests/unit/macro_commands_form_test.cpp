#include <gtest/gtest.h>

#include "fakes/fake_files.h"
#include "forms/macro_commands_form.h"
#include "store/macro_record.h"

namespace tavrin {
namespace {

TEST(MacroCommandsFormTest, ListsNoSystemMacrosAndNoBlankNicknames) {
    const std::vector<MacroName> macros = {
        {"Letter", 1}, {"", 1}, {"   ", 2}, {"Hot keys", 5}, {"Sign off", 3}, {"Menu", 4}};
    EXPECT_EQ(ListedNicknames(macros), (std::vector<std::string>{"Letter", "Sign off", "Menu"}));
}

TEST(MacroCommandsFormTest, ReadsTheMacrosOfAFileInOrder) {
    FakeFiles files;
    std::vector<uint8_t>& bytes = files.contents["C:\\KELDA.ZYN"];
    for (const MacroName& macro : {MacroName{"Letter", 1}, MacroName{"Hot keys", 5}}) {
        MacroRecord record;
        record.Nickname = macro.Nickname;
        record.Scope = static_cast<int16_t>(macro.Scope);
        std::vector<uint8_t> one(kMacroRecordSize);
        EncodeMacroRecord(record, one.data());
        bytes.insert(bytes.end(), one.begin(), one.end());
    }
    bytes.push_back(0);  // a part record at the end is not read

    const std::vector<MacroName> macros = MacroNamesInFile(files, "C:\\KELDA.ZYN");
    ASSERT_EQ(macros.size(), 2u);
    EXPECT_EQ(macros[0].Nickname, "Letter");
    EXPECT_EQ(macros[0].Scope, 1);
    EXPECT_EQ(macros[1].Nickname, "Hot keys");
    EXPECT_EQ(macros[1].Scope, 5);
    EXPECT_TRUE(MacroNamesInFile(files, "C:\\NONE.ZYN").empty());
}

TEST(MacroCommandsFormTest, NewCommandRunsAMacro) {
    EXPECT_EQ(NewMacroCommandsFields().Kind, 1);
}

TEST(MacroCommandsFormTest, AnEmptyFieldIsRefusedOrOffersTheHighlightedEntry) {
    MacroCommandsFields fields{2, "  ", ""};
    auto answer = AcceptMacroCommands(fields);
    EXPECT_EQ(answer.Refused.Message, "No nickname has been entered.  Please correct.");
    EXPECT_FALSE(answer.Refused.Question);
    EXPECT_EQ(answer.Refused.Field, kNicknameField);

    fields.Highlighted = "Letter";
    answer = AcceptMacroCommands(fields);
    EXPECT_EQ(answer.Refused.Message,
              "No nickname has been entered.  \"Letter\" is currently highlighted.  Would you "
              "like to use it?");
    EXPECT_TRUE(answer.Refused.Question);
    EXPECT_EQ(answer.Refused.Field, kNicknameField);
}

TEST(MacroCommandsFormTest, ResultOfEachKind) {
    const char* tags[] = {"<MACRUN:Letter>", "<MACDEL:Letter>", "<MACACT:Letter>",
                          "<MACDEACT:Letter>", ""};
    for (int kind = 0; kind <= 4; ++kind) {
        const MacroCommandsFields fields{kind, " Letter ", "Sign off"};
        EXPECT_EQ(AcceptMacroCommands(fields).Text, tags[kind == 0 ? 4 : kind - 1]) << kind;
    }
}

TEST(MacroCommandsFormTest, EditGivesTheSameTag) {
    for (const char* tag : {"<MACRUN:Letter>", "<MACDEL:a b>", "<MACACT:X>", "<MACDEACT:Y>"}) {
        const auto fields = MacroCommandsFieldsOf(MacroCommandsValuesOf(Recognise(tag, 0)));
        EXPECT_EQ(AcceptMacroCommands(fields).Text, tag);
    }
}

}  // namespace
}  // namespace tavrin
