#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "base/bytes.h"
#include "base/day_number.h"
#include "base/macro_table.h"
#include "store/macro_record.h"

namespace tavrin {
namespace {

using Bytes = std::array<uint8_t, kMacroRecordSize>;

MacroRecord SampleRecord() {
    MacroRecord r;
    r.Nickname = "Address";
    r.ScopeName = "NOTEPAD";
    r.QuilletName = "adr";
    r.HotKey = 0x1234;
    r.Scope = kScopeWindow;
    r.Active = 1;
    r.Reserved98 = 0xBEEF;
    r.MacroText = "Hello<ENTER>";
    r.IconFile = "HOUSE.ICO";
    r.SchedKind = 4;
    r.SchedDays = {1, 0, 1, 0, 1, 0, 1};
    r.SchedHour = 11;
    r.SchedMinute = 59;
    r.SchedMonth = 2;
    r.SchedDay = 29;
    r.SchedHourlyMinute = 15;
    r.SchedMinutes = 0x0203;
    r.SchedDayOfWeek = 7;
    r.SchedYear = 2028;
    r.SchedPM = 1;
    r.TopMostOnly = 1;
    r.LastModified = 46000.5;
    r.Reserved5143[0] = 0xAA;
    r.Reserved5143[21] = 0x55;
    return r;
}

TEST(MacroRecord, FieldsSitAtTheirOffsets) {
    Bytes b;
    EncodeMacroRecord(SampleRecord(), b.data());
    EXPECT_EQ(b[0], 7);
    EXPECT_EQ(GetShortString(&b[0], 50), "Address");
    EXPECT_EQ(GetShortString(&b[51], 30), "NOTEPAD");
    EXPECT_EQ(GetShortString(&b[82], 10), "adr");
    EXPECT_EQ(b[93], 0x34);
    EXPECT_EQ(b[94], 0x12);
    EXPECT_EQ(GetI16(&b[95]), 2);
    EXPECT_EQ(b[97], 1);
    EXPECT_EQ(GetU16(&b[98]), 0xBEEF);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(&b[100])), "Hello<ENTER>");
    EXPECT_EQ(GetShortString(&b[5101], 12), "HOUSE.ICO");
    EXPECT_EQ(GetI16(&b[5114]), 4);
    EXPECT_EQ(b[5116], 1);
    EXPECT_EQ(b[5117], 0);
    EXPECT_EQ(b[5122], 1);
    EXPECT_EQ(b[5123], 11);
    EXPECT_EQ(b[5124], 59);
    EXPECT_EQ(b[5125], 2);
    EXPECT_EQ(b[5126], 29);
    EXPECT_EQ(b[5127], 15);
    EXPECT_EQ(GetU16(&b[5128]), 0x0203);
    EXPECT_EQ(b[5130], 7);
    EXPECT_EQ(GetU16(&b[5131]), 2028);
    EXPECT_EQ(b[5133], 1);
    EXPECT_EQ(b[5134], 1);
    EXPECT_EQ(GetF64(&b[5135]), 46000.5);
    EXPECT_EQ(b[5143], 0xAA);
    EXPECT_EQ(b[5164], 0x55);

    MacroRecord back = DecodeMacroRecord(b.data());
    Bytes again;
    EncodeMacroRecord(back, again.data());
    EXPECT_EQ(b, again);
}

TEST(MacroRecord, LongTextAndStringsStayInsideTheirFields) {
    MacroRecord r;
    r.MacroText = std::string(5000, 'x');
    r.Nickname = std::string(60, 'n');
    r.ScopeName = std::string(30, 's');
    Bytes b;
    b.fill(0xFF);
    EncodeMacroRecord(r, b.data());
    EXPECT_EQ(b[100 + 4999], 'x');
    EXPECT_EQ(b[5100], 0) << "the NUL of a 5000-character text is the field's last byte";
    EXPECT_EQ(b[0], 50);
    EXPECT_EQ(GetShortString(&b[51], 30), std::string(30, 's'));

    r.MacroText = std::string(5100, 'y');  // cut when stored
    EncodeMacroRecord(r, b.data());
    EXPECT_EQ(DecodeMacroRecord(b.data()).MacroText.size(), 5000u);
    EXPECT_EQ(b[5100], 0);
}

TEST(MacroRecord, GarbageIsReadSoundly) {
    Bytes b;
    b.fill(0xFF);  // every length byte 255, no NUL anywhere
    PutI16(&b[95], kScopeGlobal);
    MacroRecord r = DecodeMacroRecord(b.data());
    EXPECT_EQ(r.Nickname.size(), 50u);
    EXPECT_EQ(r.ScopeName.size(), 30u);
    EXPECT_EQ(r.QuilletName.size(), 10u);
    EXPECT_EQ(r.IconFile.size(), 12u);
    EXPECT_EQ(r.MacroText.size(), 5000u) << "a text without its NUL ends at the field";

    PutI16(&b[95], kScopePopupMenu);  // menu count 65535: more than the field holds
    r = DecodeMacroRecord(b.data());
    EXPECT_EQ(r.MenuItems.size(), kMaxMenuItems);
    EXPECT_TRUE(ExistingMenuItems(r, 500).empty()) << "65535 names no macro";
}

TEST(MacroRecord, PopupMenuKeepsMembersAndOptions) {
    MacroRecord menu;
    menu.Scope = kScopePopupMenu;
    menu.SetMenuOptions('Y', '2', '4');
    menu.MenuItems = {3, 1, 7, 0};
    Bytes b;
    EncodeMacroRecord(menu, b.data());
    EXPECT_EQ(GetU16(&b[100]), 4);
    EXPECT_EQ(GetU16(&b[102]), 3);
    EXPECT_EQ(GetU16(&b[104]), 1);
    EXPECT_EQ(b[82], 3);
    EXPECT_EQ(b[83], 'Y');
    EXPECT_EQ(b[84], '2');
    EXPECT_EQ(b[85], '4');
    MacroRecord back = DecodeMacroRecord(b.data());
    EXPECT_EQ(back.MenuItems, menu.MenuItems);
    EXPECT_EQ(back.MenuInTray(), 'Y');
    EXPECT_EQ(back.MenuShow(), '2');
    EXPECT_EQ(back.MenuIconSize(), '4');
    EXPECT_EQ(ExistingMenuItems(back, 5), (std::vector<uint16_t>{3, 1}));
}

TEST(MacroRecord, DefaultTimerIsNoonDailyToday) {
    MacroRecord r;
    DefaultTimer(r, LocalDateTime{2026, 12, 9, 8, 0, 0, 0});
    EXPECT_EQ(r.SchedKind, 3);
    EXPECT_EQ(r.SchedDays, (std::array<uint8_t, 7>{1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(r.SchedHour, 12);
    EXPECT_EQ(r.SchedMinute, 0);
    EXPECT_EQ(r.SchedPM, 1);
    EXPECT_EQ(r.SchedYear, 2026);
    EXPECT_EQ(r.SchedMonth, 12);
    EXPECT_EQ(r.SchedDay, 9);
    EXPECT_EQ(r.SchedDayOfWeek, 4) << "9 December 2026 is a Wednesday";
    EXPECT_EQ(r.SchedHourlyMinute, 15);
    EXPECT_EQ(r.SchedMinutes, 15);
}

TEST(DayNumber, CountsFromTheEndOf1899) {
    EXPECT_EQ(ToDayNumber(LocalDateTime{1899, 12, 30, 0, 0, 0, 0}), 0.0);
    EXPECT_EQ(ToDayNumber(LocalDateTime{2000, 1, 1, 18, 0, 0, 0}), 36526.75);
    EXPECT_EQ(DayOfWeek(LocalDateTime{1899, 12, 30, 0, 0, 0, 0}), 7);
    EXPECT_EQ(DayOfWeek(LocalDateTime{2024, 2, 29, 0, 0, 0, 0}), 5);
}

TEST(MacroTable, FieldsSitAtTheirOffsets) {
    MacroTable t;
    t.SetScopeOf(1, 5);
    t.SetScopeNameOf(500, std::string(30, 'w'));
    t.SetActiveOf(500, 1);
    t.SetHotKeyOf(2, 264);
    t.SetTopMostOf(3, 1);
    t.SetMacroCount(412);
    t.SetHotKeyUsed(720, 1);
    t.SetProgName(200, std::string(40, 'p'));
    t.SetProgName(1, "NOTEPAD.EXE");
    const uint8_t* b = t.data();
    EXPECT_EQ(GetI16(b + 816), 5);
    EXPECT_EQ(b[1795 + 21 * 500], 20) << "the table keeps 20 characters of a scope name";
    EXPECT_EQ(b[12315 + 500], 1);
    EXPECT_EQ(GetU16(b + 12818), 264);
    EXPECT_EQ(b[13818], 1);
    EXPECT_EQ(GetI32(b + 14316), 412);
    EXPECT_EQ(b[17 + 720], 1);
    EXPECT_EQ(GetShortString(b + 14584, 25), "NOTEPAD.EXE") << "ProgNames[1] follows WaitDrain";
    EXPECT_EQ(b[kMacroTableSize - 1], 'p') << "ProgNames[200] ends the table";
    EXPECT_EQ(b[kMacroTableSize - 26], 25);
}

}  // namespace
}  // namespace tavrin
