#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_hot_key_host.h"
#include "fakes/fake_menu_window.h"
#include "playback_rig.h"
#include "triggers/hot_key_runner.h"
#include "platform/hook_protocol.h"
#include "triggers/macro_menu.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;
constexpr uint16_t kCtrlAltM = 156;

TEST(MacroMenu, LabelsAndKeys) {
    EXPECT_EQ(MenuLabel(0), '0');
    EXPECT_EQ(MenuLabel(9), '9');
    EXPECT_EQ(MenuLabel(10), 'A');
    EXPECT_EQ(MenuLabel(18), 'I') << "member 19";
    EXPECT_EQ(MenuLabel(35), 'Z');

    EXPECT_EQ(MemberForKey('5', 12), 5) << "5 chooses member 6";
    EXPECT_EQ(MemberForKey('B', 12), 11) << "B chooses member 12";
    EXPECT_EQ(MemberForKey('b', 12), 11);
    EXPECT_EQ(MemberForKey('C', 12), -1) << "no member 13: nothing";
    EXPECT_EQ(MemberForKey('z', 36), 35);
    EXPECT_EQ(MemberForKey(' ', 12), 0) << "any other character: member 1";
    EXPECT_EQ(MemberForKey(' ', 0), -1) << "an empty menu chooses nothing";
    EXPECT_EQ(MemberForKey('0', 0), -1);
}

TEST(MacroMenu, StylesAndIconSizes) {
    EXPECT_EQ(MenuStyleOf('1'), MenuStyle::FirstPart);
    EXPECT_EQ(MenuStyleOf('2'), MenuStyle::Icons);
    EXPECT_EQ(MenuStyleOf('3'), MenuStyle::NicknameAndScope);
    EXPECT_EQ(MenuStyleOf('\0'), MenuStyle::NicknameAndScope);
    EXPECT_EQ(MenuIconPixels('0'), 16);
    EXPECT_EQ(MenuIconPixels('2'), 32);
    EXPECT_EQ(MenuIconPixels('4'), 64);
    EXPECT_EQ(MenuIconPixels('9'), 16);
    EXPECT_EQ(MenuIconPixels(' '), 16);
}

TEST(MacroMenu, ListLayouts) {
    MenuLayout one = LayoutMenu(MenuStyle::NicknameAndScope, 12, 16);
    EXPECT_FALSE(one.twoLists);
    EXPECT_EQ(one.clientWidth, 300);
    EXPECT_EQ(one.firstListHeight, 17 * 12 + 8);
    EXPECT_EQ(one.clientHeight, 17 * 12 + 8 + 42);

    MenuLayout eighteen = LayoutMenu(MenuStyle::FirstPart, 18, 16);
    EXPECT_FALSE(eighteen.twoLists);
    EXPECT_EQ(eighteen.firstListHeight, 314);

    MenuLayout two = LayoutMenu(MenuStyle::FirstPart, 19, 16);
    EXPECT_TRUE(two.twoLists);
    EXPECT_EQ(two.clientWidth, 604);
    EXPECT_EQ(two.firstListHeight, 314);
    EXPECT_EQ(two.secondListHeight, 17 * 19 - 298);
    EXPECT_EQ(two.clientHeight, 356);

    MenuLayout empty = LayoutMenu(MenuStyle::NicknameAndScope, 0, 16);
    EXPECT_EQ(empty.firstListHeight, 8);
}

TEST(MacroMenu, IconLayouts) {
    MenuLayout few = LayoutMenu(MenuStyle::Icons, 2, 32);
    EXPECT_EQ(few.buttonSize, 36);
    EXPECT_EQ(few.clientWidth, 4 * 36);
    EXPECT_EQ(few.rows, 1);
    EXPECT_EQ(few.clientHeight, 36 + 22);

    EXPECT_EQ(LayoutMenu(MenuStyle::Icons, 6, 16).clientWidth, 6 * 20);
    EXPECT_EQ(LayoutMenu(MenuStyle::Icons, 8, 16).clientWidth, 8 * 20);

    MenuLayout many = LayoutMenu(MenuStyle::Icons, 19, 24);
    EXPECT_EQ(many.clientWidth, 9 * 24 + 36);
    EXPECT_EQ(many.rows, 3);
    EXPECT_EQ(many.clientHeight, 3 * 28 + 22);

    EXPECT_EQ(LayoutMenu(MenuStyle::Icons, 0, 16).rows, 0);
}

TEST(MacroMenu, PositionAtTheScreenEdges) {
    ScreenRect centred = PlaceMenu(-1, 300, 246, 1024, 768);
    EXPECT_EQ(centred.left, 362);
    EXPECT_EQ(centred.top, 261);

    ScreenRect tray = PlaceMenu(500, 300, 246, 1024, 768);
    EXPECT_EQ(tray.left, 500);
    EXPECT_EQ(tray.top, 768 - 246) << "bottom edge on the bottom of the screen";

    EXPECT_EQ(PlaceMenu(900, 300, 246, 1024, 768).left, 600) << "would run off the right";
    EXPECT_EQ(PlaceMenu(724, 300, 246, 1024, 768).left, 724) << "just fits";
    EXPECT_EQ(PlaceMenu(200, 604, 356, 640, 480).left, 0) << "never left of 0";
    EXPECT_EQ(PlaceMenu(0, 300, 246, 1024, 768).left, 0);
}

class PopupMenuTest : public ::testing::Test, protected PlaybackRig {
protected:
    FakeHost hotKeyHost;
    FakeMenuWindow menus;
    HotKeyRunner runner{store, hooks, player, input, desktop, ui, hotKeyHost};

    void SetUp() override {
        store.LoadMacroFile("C:\\K.ZYN");  // macros 1-4: system
        runner.SetMenuWindow(&menus);
    }

    int Add(const std::string& text, int16_t scope = kScopeGlobal, uint16_t hotKey = kHotKeyNone) {
        MacroRecord r;
        r.Nickname = text;
        r.MacroText = text;
        r.HotKey = hotKey;
        r.Scope = scope;
        r.IconFile = "MAIN";
        store.AppendMacro(r);
        return store.MacroCount();
    }
    int AddMenu(const std::string& nickname, std::vector<uint16_t> items, char show = '3') {
        MacroRecord r;
        r.Nickname = nickname;
        r.HotKey = kCtrlAltM;
        r.Scope = kScopePopupMenu;
        r.SetMenuOptions('N', show, '0');
        r.MenuItems = std::move(items);
        r.IconFile = "MENU";
        store.AppendMacro(r);
        return store.MacroCount();
    }
};

TEST_F(PopupMenuTest, AHotKeyShowsTheMenuAndPlaysTheChosenMemberIntoTheFrontWindow) {
    std::vector<uint16_t> items;
    for (int i = 0; i < 12; ++i) items.push_back(static_cast<uint16_t>(Add(std::string(1, 'a' + i))));
    const int menu = AddMenu("Letters", items);
    const WindowId notepad = desktop.Add("Untitled - Notepad");
    menus.choices = {5};
    menus.whileOpen = [&] {
        EXPECT_TRUE(runner.MenuOpen());
        EXPECT_FALSE(runner.MayActivateMe()) << "ActivateMe refused while a menu is shown";
        runner.OnHotKey(kCtrlAltM, notepad);  // refused, no second menu
        desktop.front = desktop.Add("Choose A Macro");
    };
    runner.OnHotKey(kCtrlAltM, notepad);
    ASSERT_EQ(menus.shown.size(), 1u);
    const MenuRequest& shown = menus.shown[0];
    EXPECT_EQ(shown.nickname, "Letters");
    EXPECT_EQ(shown.style, MenuStyle::NicknameAndScope);
    ASSERT_EQ(shown.rows.size(), 12u);
    EXPECT_EQ(shown.rows[11].label, 'B');
    EXPECT_EQ(shown.rows[11].text, "l");
    EXPECT_EQ(shown.rows[11].scope, "GLOBAL");
    EXPECT_EQ(shown.rememberedX, -1);
    EXPECT_FALSE(runner.MenuOpen());
    EXPECT_EQ(ui.messages.size(), 2u) << "the ActivateMe and hot key refusals";
    EXPECT_EQ(desktop.front, notepad) << "the window in front before the menu is back in front";
    EXPECT_EQ(TypedKeys(input.events), "f") << "member 6";
    EXPECT_EQ(runner.CurrentMacro(), items[5]);
    EXPECT_EQ(hotKeyHost.calls, Strings{"clear timer"});

    input.events.clear();
    menus.choices.push_back(-1);
    runner.RunMacro(menu);
    EXPECT_TRUE(input.events.empty()) << "cancelled: nothing plays";
}

TEST_F(PopupMenuTest, AMemberThatIsAMenuOpensInTurnAndASelfListingMenuStops) {
    const int a = Add("a");
    const int inner = AddMenu("Inner", {static_cast<uint16_t>(a)});
    const int outer = AddMenu("Outer", {static_cast<uint16_t>(inner)});
    menus.choices = {0, 0};
    runner.RunMacro(outer);
    ASSERT_EQ(menus.shown.size(), 2u);
    EXPECT_EQ(menus.shown[0].rows[0].text, "Inner");
    EXPECT_EQ(menus.shown[0].rows[0].scope, "Popup Menu");
    EXPECT_TRUE(menus.shown[0].rows[0].isMenu);
    EXPECT_EQ(menus.shown[1].nickname, "Inner");
    EXPECT_EQ(TypedKeys(input.events), "a");

    // A menu that lists itself opens a bounded number of times.
    const int self = AddMenu("Self", {});
    MacroRecord r;
    ASSERT_TRUE(store.ReadMacro(self, r));
    r.MenuItems = {static_cast<uint16_t>(self)};
    store.WriteMacro(self, r);
    menus.shown.clear();
    menus.choices.assign(100, 0);
    runner.RunMacro(self);
    EXPECT_EQ(menus.shown.size(), static_cast<size_t>(kMaxMenuDepth));
    EXPECT_EQ(ui.messages.back(), std::string("Warning: ") + kMenuTooDeep);
}

TEST_F(PopupMenuTest, DamagedMembersAreDropped) {
    const int a = Add("a");
    std::vector<uint16_t> items = {0, 2, static_cast<uint16_t>(a), 999};
    for (int i = 0; i < 40; ++i) items.push_back(static_cast<uint16_t>(a));
    const int menu = AddMenu("Damaged", items, '1');
    runner.RunMacro(menu);
    ASSERT_EQ(menus.shown.size(), 1u);
    const std::vector<MenuRow>& rows = menus.shown[0].rows;
    EXPECT_EQ(rows.size(), kMaxMenuMembers) << "no 0, no system macro, none past the count";
    EXPECT_EQ(rows[0].macro, a);
    EXPECT_EQ(rows[0].text, "a") << "First Part of Macro shows the text";
    EXPECT_EQ(menus.shown[0].style, MenuStyle::FirstPart);
}

TEST_F(PopupMenuTest, ATrayClickPositionHoldsUntilTheNextHotKey) {
    const int a = Add("a");
    const int menu = AddMenu("Tray", {static_cast<uint16_t>(a)});
    runner.SetMenuPosition(640);
    runner.OnHotKey(kTrayMenuBit | static_cast<uint32_t>(menu), 0);
    runner.OnHotKey(kCtrlAltM, 0);
    ASSERT_EQ(menus.shown.size(), 2u);
    EXPECT_EQ(menus.shown[0].rememberedX, 640);
    EXPECT_EQ(menus.shown[1].rememberedX, -1) << "a hot key forgets it";
}

TEST_F(PopupMenuTest, AtMostFifteenMenusGoToTheTray) {
    const int a = Add("a");
    std::vector<int> inTray;
    for (int i = 0; i < 17; ++i) {
        const int menu = AddMenu("menu " + std::to_string(i), {static_cast<uint16_t>(a)});
        MacroRecord r;
        ASSERT_TRUE(store.ReadMacro(menu, r));
        r.SetMenuOptions(i % 5 == 4 ? 'N' : 'Y', '3', '0');
        store.WriteMacro(menu, r);
        if (i % 5 != 4 && inTray.size() < kMaxTrayMenus) inTray.push_back(menu);
    }
    EXPECT_EQ(TrayMenus(store), inTray);
}

TEST_F(PopupMenuTest, AQuilletsAbbreviationIsErasedBeforeItsMenuShows) {
    const int a = Add("a");
    const int menu = AddMenu("Quillet menu", {static_cast<uint16_t>(a)});
    size_t eventsWhileOpen = 0;
    menus.whileOpen = [&] { eventsWhileOpen = input.events.size(); };
    runner.RunMacro(menu, 2);
    EXPECT_EQ(eventsWhileOpen, 4u) << "two backspaces down and up";
    EXPECT_TRUE(TypedKeys(input.events).empty()) << "cancelled: nothing more";
}

}  // namespace
}  // namespace tavrin
