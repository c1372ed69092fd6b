#include <gtest/gtest.h>

#include "fakes/macro_builder.h"
#include "forms/quick_info_form.h"
#include "triggers/schedule.h"

namespace tavrin {
namespace {

constexpr uint16_t kCtrlA = 0;

TEST(QuickInfo, HotKeyTimedWindowTitleAndSystemMacros) {
    MacroRecord r = MakeMacro("Mail", kCtrlA, kScopeWindow, "Outbox");
    r.TopMostOnly = 1;
    QuickInfo info = QuickInfoOf(r, "1/4/2027");
    EXPECT_EQ(info.lastModified, "Last Modified On 1/4/2027");
    EXPECT_EQ(info.activationLabel, "Hot Key:");
    EXPECT_EQ(info.activationValue, "Ctrl+A");
    EXPECT_EQ(info.nickname, "Mail");
    EXPECT_EQ(info.scope, "Outbox \"Window\" (Top Most Only)");
    EXPECT_EQ(info.active, "Yes");
    EXPECT_EQ(info.macroTextLabel, "Macro Text:");
    EXPECT_TRUE(info.showMacroText);

    r = MakeMacro("Tick", kHotKeyTimed, kScopeProgram, "LEDGER.EXE");
    r.SchedKind = 0;
    r.Active = 0;
    info = QuickInfoOf(r, "x");
    EXPECT_EQ(info.activationLabel, "Timed Macro:");
    EXPECT_EQ(info.activationValue, GetSched(r));
    EXPECT_FALSE(info.activationValue.empty());
    EXPECT_EQ(info.scope, "LEDGER.EXE \"Program\" (If Running)");
    EXPECT_EQ(info.active, "No");

    r = MakeMacro("w", kHotKeyWindowTitle);
    r.ScopeName = "Calculator";
    info = QuickInfoOf(r, "x");
    EXPECT_EQ(info.activationLabel, "Window Title:");
    EXPECT_EQ(info.activationValue, "Calculator");
    EXPECT_EQ(info.scope, "GLOBAL");
    info = QuickInfoOf(MakeMacro("n", kHotKeyNone, kScopeSystem), "x");
    EXPECT_EQ(info.activationLabel, "None");
    EXPECT_EQ(info.activationValue, "");
    EXPECT_EQ(info.scope, "SYSTEM");
    EXPECT_EQ(info.macroTextLabel, "");
    EXPECT_FALSE(info.showMacroText);
    EXPECT_FALSE(QuickInfoOf(MakeMacro("m", kCtrlA, kScopePopupMenu), "x").showMacroText);
    MacroRecord q = MakeMacro("q", kHotKeyQuillet);
    q.QuilletName = "sig";
    EXPECT_EQ(QuickInfoOf(q, "x").activationValue, "sig");

    const LocalDateTime d = DateOfDayNumber(46391.5);  // 4 Jan 2027, noon
    EXPECT_EQ(d.year, 2027);
    EXPECT_EQ(d.month, 1);
    EXPECT_EQ(d.day, 4);
    EXPECT_EQ(d.hour, 12);
    EXPECT_EQ(DateOfDayNumber(-1e300).year, 1899) << "a wild value is no date";
}

}  // namespace
}  // namespace tavrin
