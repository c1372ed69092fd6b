#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/macro_builder.h"
#include "forms/build_menu_form.h"
#include "playback_rig.h"

namespace tavrin {
namespace {

using Numbers = std::vector<int>;

class BuildMenuFormTest : public ::testing::Test, protected PlaybackRig {
protected:
    void SetUp() override { store.LoadMacroFile("C:\\K.ZYN"); }  // macros 1-4: system
    int Add(const std::string& nickname, uint16_t hotKey = kHotKeyNone) {
        MacroRecord r = MakeMacro(nickname, hotKey);
        r.MacroText = "text of " + nickname;
        store.AppendMacro(r);
        return store.MacroCount();
    }
};

TEST_F(BuildMenuFormTest, AddInsertRemoveAndMove) {
    for (const char* name : {"a", "b", "c", "d"}) Add(name);  // 5 .. 8
    BuildMenuForm form(store, 0);
    EXPECT_EQ(form.Available(), (Numbers{5, 6, 7, 8})) << "no system macros";
    EXPECT_EQ(form.show, '3');
    EXPECT_EQ(form.iconFile, "MENU");
    EXPECT_EQ(form.Add(-1).message, kNoMacroSelected);
    EXPECT_EQ(form.Remove(-1).message, kNoMacroSelected);
    ASSERT_TRUE(form.Add(2).ok);           // 7
    ASSERT_TRUE(form.Insert(0, 0, false).ok);  // 5 before 7
    ASSERT_TRUE(form.Insert(1, 0, true).ok);   // 8 after 5
    EXPECT_EQ(form.Members(), (Numbers{5, 8, 7}));
    EXPECT_EQ(form.Available(), (Numbers{6}));
    EXPECT_FALSE(form.CanUp(0));
    EXPECT_FALSE(form.CanDown(2));
    form.Down(0);
    EXPECT_EQ(form.Members(), (Numbers{8, 5, 7}));
    form.Up(2);
    EXPECT_EQ(form.Members(), (Numbers{8, 7, 5}));
    ASSERT_TRUE(form.Remove(0).ok);
    EXPECT_EQ(form.Available(), (Numbers{6, 8})) << "back at its place by number";

    form.nickname = "Letters";
    form.inTray = true;
    form.show = '1';
    form.iconSize = '2';
    MacroRecord r;
    EXPECT_TRUE(form.ApplyTo(r)) << "a new menu in the tray";
    EXPECT_EQ(r.Scope, kScopePopupMenu);
    EXPECT_EQ(r.QuilletName, "Y12");
    EXPECT_EQ(r.MenuItems, (std::vector<uint16_t>{7, 5}));
    EXPECT_EQ(r.IconFile, "MENU");
    EXPECT_EQ(r.Active, 1);
}

TEST_F(BuildMenuFormTest, AnExistingMenuAndTheLimitOf36) {
    for (int i = 0; i < 40; ++i) Add("m" + std::to_string(i));  // 5 .. 44
    MacroRecord menu;
    menu.Nickname = "Old";
    menu.Scope = kScopePopupMenu;
    menu.SetMenuOptions('N', '2', '4');
    menu.MenuItems = {6, 3, 999, 5};
    menu.IconFile = "GONE.ICO";
    store.AppendMacro(menu);
    BuildMenuForm form(store, store.MacroCount());
    EXPECT_EQ(form.Members(), (Numbers{6, 5})) << "no system macro, nothing past the count";
    EXPECT_EQ(form.show, '2');
    EXPECT_EQ(form.iconSize, '4');
    EXPECT_EQ(form.iconFile, "MENU") << "an icon file that is gone";
    EXPECT_EQ(form.Available().front(), 7);
    EXPECT_EQ(form.Available().back(), 44) << "not the menu itself";
    while (form.CanAdd()) ASSERT_TRUE(form.Add(0).ok);
    EXPECT_EQ(form.Members().size(), kMaxMenuMembers);
    EXPECT_FALSE(form.Add(0).ok);
    MacroRecord r;
    EXPECT_FALSE(form.ApplyTo(r)) << "nickname and tray unchanged";
    form.nickname = "New";
    EXPECT_TRUE(form.ApplyTo(r));
}

TEST_F(BuildMenuFormTest, QuickInfo) {
    const int n = Add("Greeting", 157);
    BuildMenuForm form(store, 0);
    EXPECT_EQ(form.QuickInfo(n),
              "Hot Key: Ctrl+Alt+N\n\nName: Greeting\n\nScope: GLOBAL\n\nActive: Yes\n\n"
              "Macro: text of Greeting\n\n");
}

TEST(MenuIcon, TheFileTypeAndTheIconsFolder) {
    EXPECT_EQ(ChooseMenuIcon("C:\\X\\A.BMP", "C:\\T\\Icons", false).check.message,
              "Invalid file type selected.");
    IconChoice inside = ChooseMenuIcon("C:\\T\\ICONS\\star.ico", "C:\\T\\Icons", true);
    EXPECT_TRUE(inside.check.ok);
    EXPECT_FALSE(inside.copy);
    EXPECT_EQ(inside.name, "star.ico");
    IconChoice outside = ChooseMenuIcon("C:\\X\\STAR.ICO", "C:\\T\\Icons", false);
    EXPECT_TRUE(outside.copy);
    IconChoice taken = ChooseMenuIcon("C:\\X\\STAR.ICO", "C:\\T\\Icons", true);
    EXPECT_FALSE(taken.copy);
    EXPECT_EQ(taken.name, "STAR.ICO") << "the folder's icon of that name is used";
    EXPECT_EQ(taken.check.message.substr(0, 37), "The selected icon could not be opened");
}

TEST_F(BuildMenuFormTest, ALoadedIconIsCopiedIntoTheIconsFolderAndKeptByItsShortName) {
    const std::string icons = "C:\\T\\Icons";
    files.contents["C:\\X\\My Star.ico"] = {1, 2, 3};
    fileSystem.shortPaths[icons + "\\My Star.ico"] = "C:\\T\\ICONS\\MYSTAR~1.ICO";
    TakenIcon star = TakeMenuIcon("C:\\X\\My Star.ico", icons, files, fileSystem);
    EXPECT_TRUE(star.failure.ok);
    EXPECT_EQ(star.name, "MYSTAR~1.ICO");
    EXPECT_EQ(files.contents[icons + "\\My Star.ico"], (std::vector<uint8_t>{1, 2, 3}));

    // A second file of that name: the folder's icon is kept and used.
    files.contents["C:\\Y\\My Star.ico"] = {9};
    TakenIcon again = TakeMenuIcon("C:\\Y\\My Star.ico", icons, files, fileSystem);
    EXPECT_FALSE(again.failure.ok);
    EXPECT_EQ(again.name, "MYSTAR~1.ICO");
    EXPECT_EQ(files.contents[icons + "\\My Star.ico"], (std::vector<uint8_t>{1, 2, 3}));

    TakenIcon lost = TakeMenuIcon("C:\\X\\GONE.ICO", icons, files, fileSystem);
    EXPECT_EQ(lost.failure.message, "The icon could not be copied into C:\\T\\Icons.");
    EXPECT_EQ(lost.name, "");
    EXPECT_EQ(TakeMenuIcon("C:\\X\\A.BMP", icons, files, fileSystem).name, "");
}

}  // namespace
}  // namespace tavrin
