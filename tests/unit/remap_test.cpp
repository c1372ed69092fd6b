#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/remap_tables.h"
#include "fakes/fake_files.h"
#include "fakes/fake_hook_library.h"
#include "fakes/fake_messages.h"
#include "forms/remap_form.h"
#include "platform/remap_block.h"
#include "store/remap_file.h"
#include "triggers/remapper.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;

size_t PositionOf(char c) {
    for (size_t i = 0; i < kRemapBytes; ++i)
        if (DefaultRemapCharacter(i) == static_cast<uint8_t>(c)) return i;
    return kRemapBytes;
}

TEST(RemapTables, DefaultsAndTheInUseRule) {
    const RemapTables d = DefaultRemapTables();
    EXPECT_EQ(std::string(d.begin(), d.begin() + 26), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(std::string(d.begin() + 26, d.begin() + 52), "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(std::string(d.begin() + 52, d.begin() + 62), "0123456789");
    EXPECT_EQ(std::string(d.begin() + 62, d.end()),
              " !\"#$%&'()*+,-./:;<=>?@[\\]^_`}~") << "no { and no |";
    EXPECT_EQ(kRemapGroups[3].offset + kRemapGroups[3].size, kRemapBytes);
    EXPECT_FALSE(RemapsInUse(d));

    RemapTables t = d;
    t[PositionOf('a')] = 'b';
    EXPECT_TRUE(RemapsInUse(t));
    EXPECT_TRUE(RemapCharacter(t, 'a').replaced);
    EXPECT_EQ(RemapCharacter(t, 'a').character, 'b');
    EXPECT_FALSE(RemapCharacter(t, 'b').replaced);
    EXPECT_FALSE(RemapCharacter(t, '{').replaced) << "not in the tables";
    t[PositionOf('a')] = 0;
    EXPECT_TRUE(RemapCharacter(t, 'a').replaced);
    EXPECT_EQ(RemapCharacter(t, 'a').character, 0) << "types nothing";
    t[PositionOf('a')] = 'a';
    EXPECT_FALSE(RemapsInUse(t)) << "restored";
}

TEST(RemapTables, TheRemapFileIsNeverTheMacroFile) {
    EXPECT_EQ(RemapFilePath("C:\\TAVRIN\\KELDA.ZYN"), "C:\\TAVRIN\\KELDA.ZYS");
    EXPECT_EQ(RemapFilePath("C:\\TAVRIN\\kelda.zyn"), "C:\\TAVRIN\\kelda.ZYS");
    EXPECT_EQ(RemapFilePath("C:\\TAVRIN\\MACROS.TXT"), "C:\\TAVRIN\\MACROS.TXT.ZYS");
    EXPECT_EQ(RemapFilePath("C:\\TAVRIN\\ODD.ZYS"), "C:\\TAVRIN\\ODD.ZYS.ZYS");
    EXPECT_EQ(RemapFilePath("ZYN"), "ZYN.ZYS");
}

TEST(RemapFile, TheRecordAtItsOffsets) {
    FakeFiles files;
    RemapTables t = DefaultRemapTables();
    t[0] = 'Q';             // upper case A
    t[26 + 1] = 'x';        // lower case b
    t[52 + 9] = 0;          // 9 types nothing
    t[62] = '_';            // space
    t[92] = '!';            // tilde
    ASSERT_TRUE(WriteRemapFile(files, "C:\\K.ZYS", t));
    const std::vector<uint8_t>& bytes = files.contents["C:\\K.ZYS"];
    ASSERT_EQ(bytes.size(), 93u);
    EXPECT_EQ(bytes[0], 'Q');
    EXPECT_EQ(bytes[1], 'B');
    EXPECT_EQ(bytes[26], 'a');
    EXPECT_EQ(bytes[27], 'x');
    EXPECT_EQ(bytes[52], '0');
    EXPECT_EQ(bytes[61], 0);
    EXPECT_EQ(bytes[62], '_');
    EXPECT_EQ(bytes[77], '/');
    EXPECT_EQ(bytes[78], ':');
    EXPECT_EQ(bytes[85], '[');
    EXPECT_EQ(bytes[91], '}');
    EXPECT_EQ(bytes[92], '!');

    RemapTables back{};
    EXPECT_EQ(ReadRemapFile(files, "C:\\K.ZYS", back), RemapFileRead::Loaded);
    EXPECT_EQ(back, t);

    files.contents["C:\\K.ZYS"].assign(200, 'z');  // rewritten whole, cut to 93
    ASSERT_TRUE(WriteRemapFile(files, "C:\\K.ZYS", t));
    EXPECT_EQ(files.contents["C:\\K.ZYS"].size(), 93u);

    RemapTables untouched = DefaultRemapTables();
    files.contents["C:\\SHORT.ZYS"].assign(92, 'a');
    EXPECT_EQ(ReadRemapFile(files, "C:\\SHORT.ZYS", untouched), RemapFileRead::WrongSize);
    EXPECT_EQ(ReadRemapFile(files, "C:\\NONE.ZYS", untouched), RemapFileRead::Missing);
    files.unopenable.insert("C:\\LOCKED.ZYS");
    EXPECT_EQ(ReadRemapFile(files, "C:\\LOCKED.ZYS", untouched), RemapFileRead::Unreadable);
    EXPECT_EQ(untouched, DefaultRemapTables());
    EXPECT_FALSE(WriteRemapFile(files, "C:\\LOCKED.ZYS", t));
}

class FakeRemapBlock : public RemapBlock {
public:
    RemapTables tables{};  // zeros, as a fresh block holds
    uint32_t hook = 0;
    void PutTables(const RemapTables& t) override { tables = t; }
    void PutHook(uint32_t handle) override { hook = handle; }
};

class RemapperTest : public ::testing::Test {
protected:
    FakeFiles files;
    FakeHookLibrary hooks;
    FakeMessages messages;
    FakeRemapBlock block;
    Remapper remapper{files, hooks, messages, block};

    RemapTables AToB() {
        RemapTables t = DefaultRemapTables();
        t[PositionOf('a')] = 'b';
        return t;
    }
};

TEST_F(RemapperTest, AMissingFileIsCreatedWithTheStandardKeysAndNoHook) {
    remapper.OpenFor("C:\\K.ZYN");
    EXPECT_EQ(remapper.Path(), "C:\\K.ZYS");
    ASSERT_EQ(files.contents["C:\\K.ZYS"].size(), 93u);
    EXPECT_EQ(files.contents["C:\\K.ZYS"][26], 'a');
    EXPECT_EQ(block.tables, DefaultRemapTables());
    EXPECT_FALSE(remapper.HookInstalled());
    EXPECT_EQ(hooks.calls, Strings{});
    EXPECT_EQ(messages.shown, Strings{});
}

TEST_F(RemapperTest, TheHookIsInstalledOnlyWhileATableIsInUse) {
    const RemapTables aToB = AToB();
    WriteRemapFile(files, "C:\\K.ZYS", aToB);
    remapper.OpenFor("C:\\K.ZYN");
    EXPECT_EQ(block.tables, aToB);
    EXPECT_TRUE(remapper.HookInstalled());
    EXPECT_EQ(block.hook, 104u);

    remapper.Reinstall();
    EXPECT_EQ(hooks.calls, (Strings{"ZynHookSwap", "ZynUnHook 104", "ZynHookSwap"}));

    remapper.Change(DefaultRemapTables());
    EXPECT_FALSE(remapper.HookInstalled());
    EXPECT_EQ(block.hook, 0u);
    EXPECT_EQ(hooks.calls.back(), "ZynUnHook 104");
    EXPECT_EQ(files.contents["C:\\K.ZYS"][26], 'a') << "saved";

    hooks.calls.clear();
    remapper.Reinstall();
    EXPECT_EQ(hooks.calls, Strings{}) << "nothing to reinstall";
    remapper.Change(aToB);
    EXPECT_EQ(hooks.calls, Strings{"ZynHookSwap"});
    remapper.OpenFor("C:\\OTHER.ZYN");
    EXPECT_FALSE(remapper.HookInstalled()) << "the other file remaps nothing";
}

TEST_F(RemapperTest, ABadFileIsReportedAndKeptUntilAChangeIsSaved) {
    files.contents["C:\\K.ZYS"].assign(10, 0);
    remapper.OpenFor("C:\\K.ZYN");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].substr(0, 42), "Error: The keyboard remap file C:\\K.ZYS is");
    EXPECT_EQ(block.tables, DefaultRemapTables()) << "never zeros: a dead keyboard";
    EXPECT_EQ(files.contents["C:\\K.ZYS"].size(), 10u) << "not written over";
    EXPECT_FALSE(remapper.HookInstalled());
    remapper.Change(AToB());
    EXPECT_EQ(files.contents["C:\\K.ZYS"].size(), 93u);

    files.unopenable.insert("C:\\LOCKED.ZYS");
    remapper.OpenFor("C:\\LOCKED.ZYN");
    EXPECT_EQ(block.tables, DefaultRemapTables());
    EXPECT_EQ(messages.shown.back().substr(0, 60),
              "Error: The keyboard remap file C:\\LOCKED.ZYS could not be re");
    remapper.Change(AToB());
    EXPECT_EQ(messages.shown.back().substr(0, 60),
              "Error: The keyboard remap file C:\\LOCKED.ZYS could not be wr");
    EXPECT_TRUE(remapper.HookInstalled()) << "in force until the program ends";
}

TEST_F(RemapperTest, AMacroFileNotNamedZynKeepsItsMacros) {
    files.contents["C:\\MACROS.TXT"].assign(5165, 7);
    remapper.OpenFor("C:\\MACROS.TXT");
    EXPECT_EQ(files.contents["C:\\MACROS.TXT"].size(), 5165u);
    EXPECT_EQ(files.contents["C:\\MACROS.TXT.ZYS"].size(), 93u);
}

}  // namespace
}  // namespace tavrin

namespace tavrin {
namespace {

TEST(RemapForm, CellsAndChanges) {
    EXPECT_EQ(RemapCellText(0), "none");
    EXPECT_EQ(RemapCellText('b'), "b");
    EXPECT_EQ(CharacterCell(' '), 0);
    EXPECT_EQ(CharacterCell(0), 0) << "none selects the first cell";
    EXPECT_EQ(CharacterCell('a'), 'a' - 32);
    EXPECT_EQ(CellCharacter(kCharacterColumns * 2 + 3), 32 + 28 * 2 + 3);
    EXPECT_EQ(CellCharacter(kCharacterCells - 1), 255);

    RemapForm form(DefaultRemapTables());
    const size_t a = RemapForm::Position(1, 0);
    EXPECT_EQ(form.At(a), 'a');
    form.Set(a, 'a');
    EXPECT_FALSE(form.Changed()) << "the same character is no change";
    form.Set(a, 'b');
    EXPECT_TRUE(form.Changed());
    EXPECT_EQ(form.Tables()[26], 'b');
    EXPECT_EQ(form.At(RemapForm::Position(3, 30)), '~');
}

}  // namespace
}  // namespace tavrin
