#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "base/bytes.h"
#include "fakes/macro_builder.h"
#include "fakes/store_rig.h"
#include "store/activate_toggle.h"
#include "store/hot_key_flags.h"
#include "store/macro_store.h"
#include "store/recent_files.h"

namespace tavrin {
namespace {

const std::string kFile = "C:\\TAVRIN\\KELDA.ZYN";

MacroRecord RecordAt(const std::vector<uint8_t>& file, int n) {
    return DecodeMacroRecord(&file[(n - 1) * kMacroRecordSize]);
}

MacroRecord SystemMacro(char digit, const std::string& nickname, uint16_t hotKey) {
    MacroRecord r = MakeMacro(nickname, hotKey, kScopeSystem);
    r.ScopeName = std::string(1, digit);
    return r;
}

class MacroStoreTest : public ::testing::Test, protected StoreRig {
protected:
    std::vector<uint8_t>& Disk() { return files.contents[kFile]; }
};

TEST_F(MacroStoreTest, NewFileGetsTheFourSystemMacrosPublishedInOrder) {
    store.LoadMacroFile(kFile);
    EXPECT_EQ(currentFile, kFile);
    ASSERT_EQ(Disk().size(), 4 * kMacroRecordSize);
    EXPECT_EQ(store.MacroCount(), 4);
    const char* nicknames[] = {"Activate Tavrin", "Start / Stop Capture", "Resume Pause",
                               "Menu of Macros for Top Most Window"};
    for (int n = 1; n <= 4; ++n) {
        MacroRecord r = RecordAt(Disk(), n);
        EXPECT_EQ(r.Nickname, nicknames[n - 1]);
        EXPECT_EQ(r.ScopeName, std::string(1, '0' + n));
        EXPECT_EQ(r.HotKey, 261 + n);
        EXPECT_EQ(r.Scope, kScopeSystem);
        EXPECT_EQ(r.Active, 1);
        EXPECT_EQ(r.IconFile, "MAIN");
        EXPECT_EQ(r.MacroText, "");
        EXPECT_DOUBLE_EQ(r.LastModified, ToDayNumber(clock.now));
        EXPECT_EQ(store.Table().HotKeyOf(n), 261 + n);
        EXPECT_EQ(store.NicknameOf(n), nicknames[n - 1]);
    }
    // MacroCount grows and is published before the new entry is.
    std::vector<std::string> expected;
    for (int n = 1; n <= 4; ++n) {
        expected.push_back("ZynUpNumKeys count=" + std::to_string(n));
        expected.push_back("ZynUpItem " + std::to_string(n) + " count=" + std::to_string(n));
    }
    EXPECT_EQ(hooks.calls, expected);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MacroStoreTest, MissingSystemMacroIsAppendedOnceAndNicknamesAreStandard) {
    Disk() = MacroFileOf({SystemMacro('1', "My own name", 262), MakeMacro("Letter", 5),
                     SystemMacro('2', "Start / Stop Capture", 263),
                     SystemMacro('4', "Menu of Macros for Top Most Window", 265)});
    Disk().resize(3 * kMacroRecordSize);  // drop the menu function too
    store.LoadMacroFile(kFile);
    ASSERT_EQ(store.MacroCount(), 5);
    ASSERT_EQ(Disk().size(), 5 * kMacroRecordSize);
    EXPECT_EQ(RecordAt(Disk(), 4).ScopeName, "3");
    EXPECT_EQ(RecordAt(Disk(), 4).HotKey, 264);
    EXPECT_EQ(RecordAt(Disk(), 4).Nickname, "Resume Pause");
    EXPECT_EQ(RecordAt(Disk(), 5).ScopeName, "4");
    EXPECT_EQ(store.NicknameOf(1), "Activate Tavrin");
    EXPECT_EQ(RecordAt(Disk(), 1).Nickname, "My own name") << "the file is not rewritten";
    EXPECT_EQ(store.NicknameOf(2), "Letter");

    // Opening it again adds nothing.
    store.LoadMacroFile(kFile);
    EXPECT_EQ(store.MacroCount(), 5);
    EXPECT_EQ(Disk().size(), 5 * kMacroRecordSize);
}

TEST_F(MacroStoreTest, TheIconRuleFallsBackAndTheNextWriteStoresTheFallback) {
    files.contents[kStoreFolder + "\\Icons\\HOUSE.ICO"] = {1};
    MacroRecord house = MakeMacro("House");
    house.IconFile = "HOUSE.ICO";
    MacroRecord gone = MakeMacro("Gone");
    gone.IconFile = "GONE.ICO";
    MacroRecord menu = MakeMacro("Menu", 0, kScopePopupMenu);
    menu.IconFile = "GONE.ICO";
    Disk() = MacroFileOf({house, gone, menu});
    store.LoadMacroFile(kFile);
    EXPECT_EQ(store.IconOf(1), "HOUSE.ICO");
    EXPECT_EQ(store.IconOf(2), "MAIN");
    EXPECT_EQ(store.IconOf(3), "MENU");
    EXPECT_EQ(RecordAt(Disk(), 2).IconFile, "GONE.ICO") << "loading corrects memory only";

    ASSERT_TRUE(store.WriteMacro(2, gone));
    ASSERT_TRUE(store.WriteMacro(3, menu));
    EXPECT_EQ(RecordAt(Disk(), 2).IconFile, "MAIN");
    EXPECT_EQ(RecordAt(Disk(), 3).IconFile, "MENU");
    EXPECT_EQ(RecordAt(Disk(), 1).IconFile, "HOUSE.ICO");
}

TEST_F(MacroStoreTest, WriteUpdatesTheTableAndKeepsLongScopeNamesWholeOnDisk) {
    store.LoadMacroFile(kFile);
    MacroRecord r = MakeMacro("Scoped", 17, kScopeWindow);
    r.MacroText = "Scoped text";
    r.ScopeName = "123456789012345678901234567890";
    r.TopMostOnly = 1;
    r.QuilletName = "sig";
    ASSERT_TRUE(store.AppendMacro(r));
    EXPECT_EQ(store.MacroCount(), 5);
    EXPECT_EQ(RecordAt(Disk(), 5).ScopeName, r.ScopeName);
    EXPECT_EQ(store.Table().ScopeNameOf(5), "12345678901234567890");
    EXPECT_EQ(store.Table().ScopeOf(5), kScopeWindow);
    EXPECT_EQ(store.Table().TopMostOf(5), 1);
    EXPECT_EQ(store.Table().HotKeyOf(5), 17);
    EXPECT_EQ(store.QuilletOf(5), "sig");
    EXPECT_EQ(hooks.calls.back(), "ZynUpItem 5 count=5");

    MacroRecord read;
    ASSERT_TRUE(store.ReadMacro(5, read));
    EXPECT_EQ(read.MacroText, "Scoped text");
}

TEST_F(MacroStoreTest, FailedWritesLeaveFileAndTableAsTheyWere) {
    store.LoadMacroFile(kFile);
    std::vector<uint8_t> before = Disk();
    MacroTable tableBefore = store.Table();

    files.unopenable.insert(kFile);
    EXPECT_FALSE(store.WriteMacro(2, MakeMacro("X", 9)));
    EXPECT_EQ(messages.shown.back(), "Error: Saving of keystrokes failed.");
    files.unopenable.clear();

    files.writesUntilFailure = 0;
    EXPECT_FALSE(store.AppendMacro(MakeMacro("Y", 9)));
    EXPECT_EQ(messages.shown.back(),
              "Error: Input/output error on the macro file C:\\TAVRIN\\KELDA.ZYN.");
    EXPECT_EQ(Disk(), before);
    EXPECT_EQ(std::vector<uint8_t>(store.Table().data(), store.Table().data() + kMacroTableSize),
              std::vector<uint8_t>(tableBefore.data(), tableBefore.data() + kMacroTableSize));
}

TEST_F(MacroStoreTest, DeleteMovesLaterRecordsDownAndShortensTheFile) {
    Disk() = MacroFileOf({MakeMacro("A"), MakeMacro("B"), MakeMacro("C")});
    store.LoadMacroFile(kFile);  // 7 records with the system macros
    ASSERT_TRUE(store.DeleteMacro(7));
    EXPECT_EQ(Disk().size(), 6 * kMacroRecordSize);
    EXPECT_EQ(RecordAt(Disk(), 6).ScopeName, "3");

    ASSERT_TRUE(store.DeleteMacro(1));
    ASSERT_EQ(Disk().size(), 5 * kMacroRecordSize);
    EXPECT_EQ(RecordAt(Disk(), 1).Nickname, "B");
    EXPECT_EQ(RecordAt(Disk(), 2).Nickname, "C");
    EXPECT_EQ(store.MacroCount(), 7) << "the table waits for a reload";
    store.ReloadMacroFile();
    EXPECT_EQ(store.MacroCount(), 6) << "the deleted menu macro comes back as a system macro";
}

TEST_F(MacroStoreTest, SetMacroActiveRewritesOnlyTheActiveByte) {
    MacroRecord a = MakeMacro("A");
    a.Reserved5143[3] = 0x77;
    Disk() = MacroFileOf({a});
    store.LoadMacroFile(kFile);
    std::vector<uint8_t> before = Disk();
    ASSERT_TRUE(store.SetMacroActive(1, 0));
    before[kRecordActiveOffset] = 0;
    EXPECT_EQ(Disk(), before);
    EXPECT_EQ(store.Table().ActiveOf(1), 0) << "the table follows the file";
    EXPECT_EQ(hooks.lastItemTable.ActiveOf(1), 0) << "and is published";

    files.unopenable.insert(kFile);
    MacroRecord untouched = MakeMacro("Untouched");
    EXPECT_FALSE(store.DeleteMacro(1));
    EXPECT_FALSE(store.ReadMacro(1, untouched));
    EXPECT_EQ(untouched.Nickname, "Untouched");
    EXPECT_TRUE(messages.shown.empty()) << "unopenable reads and deletes are silent";
    EXPECT_FALSE(store.SetMacroActive(1, 1));
    EXPECT_EQ(messages.shown.size(), 1u) << "a toggle that did not happen says so";
    EXPECT_EQ(store.Table().ActiveOf(1), 0);
}

TEST_F(MacroStoreTest, ATrailingFragmentIsIgnoredAndAppendingStaysAligned) {
    Disk() = MacroFileOf({MakeMacro("A"), SystemMacro('1', "", 262), SystemMacro('2', "", 263),
                     SystemMacro('3', "", 264), SystemMacro('4', "", 265)});
    Disk().resize(Disk().size() + 100, 0xEE);
    store.LoadMacroFile(kFile);
    EXPECT_EQ(store.MacroCount(), 5);
    ASSERT_TRUE(store.AppendMacro(MakeMacro("New")));
    EXPECT_EQ(RecordAt(Disk(), 6).Nickname, "New");
    store.ReloadMacroFile();
    EXPECT_EQ(store.MacroCount(), 6);
    EXPECT_EQ(store.NicknameOf(6), "New");
}

TEST_F(MacroStoreTest, AFileOfMoreThan500RecordsLoads500AndIsNeverRewritten) {
    std::vector<MacroRecord> many;
    for (int k = 1; k <= 503; ++k) many.push_back(MakeMacro("M" + std::to_string(k)));
    Disk() = MacroFileOf(many);  // no system macros among them
    std::vector<uint8_t> before = Disk();
    store.LoadMacroFile(kFile);
    EXPECT_EQ(store.MacroCount(), 500);
    EXPECT_EQ(store.NicknameOf(500), "M500");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              "Warning: This macro file holds 503 macros. Only the first 500 are loaded; the "
              "others are kept in the file unchanged.");
    EXPECT_EQ(Disk(), before);

    EXPECT_FALSE(store.AppendMacro(MakeMacro("One too many")));
    EXPECT_EQ(messages.shown.back(),
              "Error: Maximum number of hot keys has been reached.  A macro cannot be added.");
    EXPECT_EQ(Disk(), before);
}

TEST_F(MacroStoreTest, AFileThatCannotBeOpenedIsNotOverwritten) {
    Disk() = MacroFileOf({MakeMacro("Precious")});
    files.unopenable.insert(kFile);
    store.LoadMacroFile(kFile);
    EXPECT_EQ(store.MacroCount(), 0);
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Error: New file could not be created."});
    EXPECT_EQ(RecordAt(Disk(), 1).Nickname, "Precious");

    messages.shown.clear();
    files.failCreate = true;
    store.LoadMacroFile("D:\\NOWHERE\\NEW.ZYN");
    EXPECT_EQ(messages.shown, std::vector<std::string>{"Error: New file could not be created."});
    EXPECT_EQ(store.MacroCount(), 0);
}

TEST_F(MacroStoreTest, ToggleActiveChecksTheSelectionAndReschedulesTimedMacrosOnly) {
    MacroRecord timed = MakeMacro("Timed", kHotKeyTimed);
    Disk() = MacroFileOf({MakeMacro("Plain", 7), timed});
    store.LoadMacroFile(kFile);

    EXPECT_FALSE(ToggleMacroActive(store, hooks, messages, 0, 0).changed);
    EXPECT_EQ(messages.shown.back(),
              "Error: No hot keys have been added yet.  Please add one first.");
    EXPECT_FALSE(ToggleMacroActive(store, hooks, messages, 6, 0).changed);
    EXPECT_EQ(messages.shown.back(), "Error: No hot key selected.  Please select one.");

    ActivateToggleResult plain = ToggleMacroActive(store, hooks, messages, 6, 1);
    EXPECT_TRUE(plain.changed);
    EXPECT_FALSE(plain.nowActive);
    EXPECT_FALSE(plain.reschedule);
    EXPECT_EQ(plain.caption, "Acti&vate Macro");
    EXPECT_EQ(store.Table().ActiveOf(1), 0);
    EXPECT_EQ(hooks.lastItemTable.ActiveOf(1), 0) << "published after the change";
    EXPECT_EQ(RecordAt(Disk(), 1).Active, 0);

    ActivateToggleResult t = ToggleMacroActive(store, hooks, messages, 6, 2);
    EXPECT_TRUE(t.reschedule);
    t = ToggleMacroActive(store, hooks, messages, 6, 2);
    EXPECT_TRUE(t.nowActive);
    EXPECT_EQ(t.caption, "Deacti&vate Macro");
}

TEST_F(MacroStoreTest, ToggleActiveWritesTheFileFirstAndReArmsTheHotKeys) {
    Disk() = MacroFileOf({MakeMacro("Plain", 7)});
    store.LoadMacroFile(kFile);
    SetHotKeys(store.Table(), hooks);
    ASSERT_EQ(store.Table().HotKeyUsed(7), 1);

    files.writesUntilFailure = 0;
    messages.shown.clear();
    hooks.calls.clear();
    EXPECT_FALSE(ToggleMacroActive(store, hooks, messages, 1, 1).changed);
    EXPECT_EQ(messages.shown,
              std::vector<std::string>{"Error: Input/output error on the macro file " + kFile + "."});
    EXPECT_EQ(store.Table().ActiveOf(1), 1) << "a failed write changes nothing";
    EXPECT_TRUE(hooks.calls.empty()) << "nothing is published";

    files.writesUntilFailure = -1;
    EXPECT_TRUE(ToggleMacroActive(store, hooks, messages, 1, 1).changed);
    EXPECT_EQ(RecordAt(Disk(), 1).Active, 0);
    EXPECT_EQ(store.Table().HotKeyUsed(7), 0) << "its hot key is no longer taken";
    EXPECT_EQ(hooks.calls.back(), "ZynUpKeys count=" + std::to_string(store.MacroCount()));
}

TEST(RecentFiles, NewestFirstWithoutTheChosenFile) {
    RecentFiles files = {"B", "C", "D", "E", "F"};
    DoLastFiles(files, "A", "D");
    EXPECT_EQ(files, (RecentFiles{"A", "B", "C", "E", "F"}));
    DoLastFiles(files, "G", "Z");
    EXPECT_EQ(files, (RecentFiles{"G", "A", "B", "C", "E"}));
    DoLastFiles(files, "c", "C");  // exact comparison
    EXPECT_EQ(files, (RecentFiles{"c", "G", "A", "B", "E"}));

    // Choosing the current file again puts it into the list.
    RecentFiles one = {"", "", "", "", ""};
    DoLastFiles(one, "K.ZYN", "K.ZYN");
    EXPECT_EQ(one[0], "K.ZYN");

    LastFilesMenu menu = SetMenuLastFiles({"C:\\A.ZYN", "", "C:\\B.ZYN", "", ""});
    EXPECT_TRUE(menu.separatorVisible);
    EXPECT_EQ(menu.itemVisible, (std::array<bool, 5>{true, false, true, false, false}));
    EXPECT_EQ(menu.itemCaption[0], "&1   C:\\A.ZYN");
    EXPECT_EQ(menu.itemCaption[2], "&3   C:\\B.ZYN");
    EXPECT_FALSE(SetMenuLastFiles({"", "", "", "", ""}).separatorVisible);
}

}  // namespace
}  // namespace tavrin
