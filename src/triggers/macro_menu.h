#pragma once
// A popup menu of macros as it is shown: its members taken soundly from the
// record, their labels 0 .. 9 and A .. Z, the key that chooses one, and the
// size and place of the "Choose A Macro" window for each display style, and
// the rows that window shows.
#include <cstdint>
#include <string>
#include <vector>

#include "base/macro_table.h"
#include "store/macro_record.h"
#include "store/macro_store.h"

namespace tavrin {

constexpr size_t kMaxMenuMembers = 36;
// A menu whose member is a menu opens the next one; a menu that lists
// itself (or a ring of menus) stops at this depth.
constexpr int kMaxMenuDepth = 8;
inline constexpr char kMenuTooDeep[] =
    "This Popup Menu opens other Popup Menus too many levels deep (a menu may list itself).  "
    "No macro will be played.";

enum class MenuStyle { FirstPart, Icons, NicknameAndScope };

// The display style of a MenuShow character; anything but '1' or '2' shows
// nickname and scope.
MenuStyle MenuStyleOf(char show);
// The icon size of a MenuIconSize character '0' .. '4': 16, 24, 32, 48, 64;
// any other value 16.
int MenuIconPixels(char size);

// The members of a menu record that can be shown: macros 1 .. MacroCount
// that are not system macros, in menu order, at most 36.
std::vector<int> MenuMembers(const MacroRecord& menu, const MacroTable& table);

// The label of member i (0-based): '0' .. '9', then 'A' .. 'Z'.
char MenuLabel(size_t i);
// The member (0-based) a key chooses in a list style, or -1 for none: a
// digit or letter (either case) chooses the member of that label when it
// exists, and nothing otherwise; any other character chooses the first
// member. An empty menu chooses nothing.
int MemberForKey(char key, size_t members);

// What "Choose A Macro" shows for each member.
struct MenuRow {
    int macro = 0;
    char label = '0';
    // First Part of Macro: the first 255 characters of the macro text;
    // Nickname and Scope: the nickname, or its trigger when it has none.
    std::string text;
    std::string scope;     // Nickname and Scope only
    std::string nickname;  // the Icons style's hint
    std::string iconFile;  // "MAIN" (the program's icon), "MENU" (the menu icon) or a file
    std::string iconPath;  // the file of the "Icons" folder, when iconFile names one
    bool isMenu = false;
};

// The column headings of a list style: "Macro Text", or "Name" and "Scope".
std::vector<std::string> MenuHeadings(MenuStyle style);
std::vector<MenuRow> MenuRows(MacroStore& store, const std::vector<int>& members, MenuStyle style);

struct MenuLayout {
    int clientWidth = 0;
    int clientHeight = 0;
    // The list styles: the first list holds members 1 .. 18, the second
    // (when there is one) the rest.
    int firstListHeight = 0;
    int secondListHeight = 0;
    bool twoLists = false;
    // The Icons style: buttons of buttonSize pixels, nine a row.
    int buttonSize = 0;
    int rows = 0;
};
constexpr size_t kMembersPerList = 18;
constexpr int kIconsPerRow = 9;
MenuLayout LayoutMenu(MenuStyle style, size_t members, int iconPixels);

// The popup menus that have a tray icon of their own ("&Place in System
// Tray"), in table order, at most 15.
constexpr size_t kMaxTrayMenus = 15;
std::vector<int> TrayMenus(const MacroStore& store);

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
// Where the window goes: centred on the screen with no remembered position
// (rememberedX < 0); otherwise its bottom edge on the bottom of the screen
// and its left edge at the remembered x, or at x - width if it would run off
// the right edge, never left of 0.
ScreenRect PlaceMenu(int rememberedX, int width, int height, int screenWidth, int screenHeight);

}  // namespace tavrin
