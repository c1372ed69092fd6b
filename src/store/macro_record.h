#pragma once
// One macro of the macro file: a 5165-byte record of fixed layout.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/day_number.h"

namespace tavrin {

constexpr size_t kMacroRecordSize = 5165;
constexpr size_t kMaxMacroText = 5000;
constexpr size_t kMaxMacros = 500;
// Where the Active byte sits in a record, for rewriting it alone.
constexpr size_t kRecordActiveOffset = 97;

// Scope values.
constexpr int16_t kScopeGlobal = 1;
constexpr int16_t kScopeWindow = 2;
constexpr int16_t kScopeProgram = 3;
constexpr int16_t kScopePopupMenu = 4;
constexpr int16_t kScopeSystem = 5;

// HotKey values that are activation kinds rather than hot key codes.
constexpr uint16_t kHotKeyTimed = 10000;
constexpr uint16_t kHotKeyQuillet = 20000;
constexpr uint16_t kHotKeyWindowTitle = 25000;
constexpr uint16_t kHotKeyNone = 30000;

// A popup-menu record keeps its member count and the members' macro numbers
// in the text field; this many fit.
constexpr size_t kMaxMenuItems = (kMaxMacroText + 1 - 2) / 2;

struct MacroRecord {
    std::string Nickname;     // up to 50
    std::string ScopeName;    // up to 30
    std::string QuilletName;  // up to 10; a popup menu's three option characters
    uint16_t HotKey = 0;
    int16_t Scope = kScopeGlobal;
    uint8_t Active = 1;
    uint16_t Reserved98 = 0;
    std::string MacroText;           // up to 5000; unused by popup menus
    std::vector<uint16_t> MenuItems;  // popup menus only: members in menu order
    std::string IconFile;             // up to 12
    int16_t SchedKind = 0;
    std::array<uint8_t, 7> SchedDays{};  // Monday .. Sunday
    uint8_t SchedHour = 0;
    uint8_t SchedMinute = 0;
    uint8_t SchedMonth = 0;
    uint8_t SchedDay = 0;
    uint8_t SchedHourlyMinute = 0;
    uint16_t SchedMinutes = 0;
    uint8_t SchedDayOfWeek = 0;  // 1 Sunday .. 7 Saturday
    uint16_t SchedYear = 0;
    uint8_t SchedPM = 0;
    uint8_t TopMostOnly = 0;
    double LastModified = 0.0;
    std::array<uint8_t, 22> Reserved5143{};

    // Popup-menu options, kept in QuilletName: 'Y'/'N', '1'..'3', '0'..'4'.
    char MenuInTray() const { return MenuOption(0); }
    char MenuShow() const { return MenuOption(1); }
    char MenuIconSize() const { return MenuOption(2); }
    void SetMenuOptions(char inTray, char show, char iconSize);

private:
    char MenuOption(size_t i) const { return i < QuilletName.size() ? QuilletName[i] : '\0'; }
};

// The schedule defaults of a new macro: daily on every day at 12:00 PM,
// with today's date and day of the week.
void DefaultTimer(MacroRecord& record, const LocalDateTime& today);

// The members of a popup menu that name an existing macro, in menu order;
// a stored member that names no macro is skipped, not removed from the file.
std::vector<uint16_t> ExistingMenuItems(const MacroRecord& menu, int macroCount);

// Decodes one record. Bad input is made sound: over-long length bytes are
// clamped, a text without its NUL ends at 5000 characters, a menu count is
// limited to what the field holds.
MacroRecord DecodeMacroRecord(const uint8_t* bytes);
// Encodes one record; over-long strings are cut to their width.
void EncodeMacroRecord(const MacroRecord& record, uint8_t* bytes);

}  // namespace tavrin
