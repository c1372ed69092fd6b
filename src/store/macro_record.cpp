#include "store/macro_record.h"

#include <algorithm>
#include <cstring>

#include "base/bytes.h"

namespace tavrin {

namespace {

enum Offset : size_t {
    kNickname = 0,
    kScopeName = 51,
    kQuilletName = 82,
    kHotKey = 93,
    kScope = 95,
    kActive = kRecordActiveOffset,
    kReserved98 = 98,
    kMacroText = 100,
    kIconFile = 5101,
    kSchedKind = 5114,
    kSchedDays = 5116,
    kSchedHour = 5123,
    kSchedMinute = 5124,
    kSchedMonth = 5125,
    kSchedDay = 5126,
    kSchedHourlyMinute = 5127,
    kSchedMinutes = 5128,
    kSchedDayOfWeek = 5130,
    kSchedYear = 5131,
    kSchedPM = 5133,
    kTopMostOnly = 5134,
    kLastModified = 5135,
    kReserved5143 = 5143,
};

constexpr size_t kTextField = kMaxMacroText + 1;

}  // namespace

void MacroRecord::SetMenuOptions(char inTray, char show, char iconSize) {
    QuilletName = std::string{inTray, show, iconSize};
}

void DefaultTimer(MacroRecord& r, const LocalDateTime& today) {
    r.SchedKind = 3;  // Daily
    r.SchedDays.fill(1);
    r.SchedHour = 12;
    r.SchedMinute = 0;
    r.SchedPM = 1;
    r.SchedMonth = static_cast<uint8_t>(today.month);
    r.SchedDay = static_cast<uint8_t>(today.day);
    r.SchedYear = static_cast<uint16_t>(today.year);
    r.SchedDayOfWeek = static_cast<uint8_t>(DayOfWeek(today));
    r.SchedHourlyMinute = 15;
    r.SchedMinutes = 15;
}

std::vector<uint16_t> ExistingMenuItems(const MacroRecord& menu, int macroCount) {
    std::vector<uint16_t> items;
    for (uint16_t n : menu.MenuItems) {
        if (n >= 1 && n <= macroCount) items.push_back(n);
    }
    return items;
}

MacroRecord DecodeMacroRecord(const uint8_t* b) {
    MacroRecord r;
    r.Nickname = GetShortString(b + kNickname, 50);
    r.ScopeName = GetShortString(b + kScopeName, 30);
    r.QuilletName = GetShortString(b + kQuilletName, 10);
    r.HotKey = GetU16(b + kHotKey);
    r.Scope = GetI16(b + kScope);
    r.Active = b[kActive];
    r.Reserved98 = GetU16(b + kReserved98);
    const uint8_t* text = b + kMacroText;
    if (r.Scope == kScopePopupMenu) {
        size_t count = std::min<size_t>(GetU16(text), kMaxMenuItems);
        r.MenuItems.resize(count);
        for (size_t i = 0; i < count; ++i) r.MenuItems[i] = GetU16(text + 2 + 2 * i);
    } else {
        const void* nul = std::memchr(text, 0, kMaxMacroText);
        size_t len = nul ? static_cast<const uint8_t*>(nul) - text : kMaxMacroText;
        r.MacroText.assign(reinterpret_cast<const char*>(text), len);
    }
    r.IconFile = GetShortString(b + kIconFile, 12);
    r.SchedKind = GetI16(b + kSchedKind);
    std::copy(b + kSchedDays, b + kSchedDays + 7, r.SchedDays.begin());
    r.SchedHour = b[kSchedHour];
    r.SchedMinute = b[kSchedMinute];
    r.SchedMonth = b[kSchedMonth];
    r.SchedDay = b[kSchedDay];
    r.SchedHourlyMinute = b[kSchedHourlyMinute];
    r.SchedMinutes = GetU16(b + kSchedMinutes);
    r.SchedDayOfWeek = b[kSchedDayOfWeek];
    r.SchedYear = GetU16(b + kSchedYear);
    r.SchedPM = b[kSchedPM];
    r.TopMostOnly = b[kTopMostOnly];
    r.LastModified = GetF64(b + kLastModified);
    std::copy(b + kReserved5143, b + kReserved5143 + 22, r.Reserved5143.begin());
    return r;
}

void EncodeMacroRecord(const MacroRecord& r, uint8_t* b) {
    std::memset(b, 0, kMacroRecordSize);
    PutShortString(b + kNickname, 50, r.Nickname);
    PutShortString(b + kScopeName, 30, r.ScopeName);
    PutShortString(b + kQuilletName, 10, r.QuilletName);
    PutU16(b + kHotKey, r.HotKey);
    PutI16(b + kScope, r.Scope);
    b[kActive] = r.Active;
    PutU16(b + kReserved98, r.Reserved98);
    uint8_t* text = b + kMacroText;
    if (r.Scope == kScopePopupMenu) {
        size_t count = std::min(r.MenuItems.size(), kMaxMenuItems);
        PutU16(text, static_cast<uint16_t>(count));
        for (size_t i = 0; i < count; ++i) PutU16(text + 2 + 2 * i, r.MenuItems[i]);
    } else {
        size_t len = std::min(r.MacroText.size(), kMaxMacroText);
        std::memcpy(text, r.MacroText.data(), len);
        text[len] = 0;
    }
    static_assert(kMacroText + kTextField == kIconFile, "text field width");
    PutShortString(b + kIconFile, 12, r.IconFile);
    PutI16(b + kSchedKind, r.SchedKind);
    std::copy(r.SchedDays.begin(), r.SchedDays.end(), b + kSchedDays);
    b[kSchedHour] = r.SchedHour;
    b[kSchedMinute] = r.SchedMinute;
    b[kSchedMonth] = r.SchedMonth;
    b[kSchedDay] = r.SchedDay;
    b[kSchedHourlyMinute] = r.SchedHourlyMinute;
    PutU16(b + kSchedMinutes, r.SchedMinutes);
    b[kSchedDayOfWeek] = r.SchedDayOfWeek;
    PutU16(b + kSchedYear, r.SchedYear);
    b[kSchedPM] = r.SchedPM;
    b[kTopMostOnly] = r.TopMostOnly;
    PutF64(b + kLastModified, r.LastModified);
    std::copy(r.Reserved5143.begin(), r.Reserved5143.end(), b + kReserved5143);
    static_assert(kReserved5143 + 22 == kMacroRecordSize, "record size");
}

}  // namespace tavrin
