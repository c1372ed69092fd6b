#include "triggers/scheduler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "fakes/macro_builder.h"
#include "fakes/store_rig.h"

namespace tavrin {
namespace {

using Numbers = std::vector<int>;
using Texts = std::vector<std::string>;
const std::string kFile = "C:\\TAVRIN\\KELDA.ZYN";

LocalDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return LocalDateTime{y, mo, d, h, mi, s, 0};
}

std::string Stamp(const std::optional<LocalDateTime>& t) {
    if (!t) return "never";
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t->year, t->month, t->day,
                  t->hour, t->minute, t->second);
    return text;
}

// A timed macro at hour12:minute; n is its kind's number: the minute past the
// hour, the weekday, the day of the month or the minutes.
MacroRecord Rec(int16_t kind, int hour12 = 12, int minute = 0, bool pm = true, int n = 0) {
    MacroRecord r;
    r.HotKey = kHotKeyTimed;
    r.IconFile = "MAIN";
    DefaultTimer(r, At(2027, 1, 4));
    r.SchedKind = kind;
    r.SchedHour = static_cast<uint8_t>(hour12);
    r.SchedMinute = static_cast<uint8_t>(minute);
    r.SchedPM = pm;
    r.SchedHourlyMinute = r.SchedDayOfWeek = r.SchedDay = static_cast<uint8_t>(n);
    r.SchedMinutes = static_cast<uint16_t>(n);
    return r;
}

MacroRecord Once(int hour12, int minute, bool pm, int y, int mo, int d) {
    MacroRecord r = Rec(kSchedOnce, hour12, minute, pm, d);
    r.SchedYear = static_cast<uint16_t>(y);
    r.SchedMonth = static_cast<uint8_t>(mo);
    return r;
}

MacroRecord OnDays(MacroRecord r, std::array<uint8_t, 7> mondayFirst) {
    r.SchedDays = mondayFirst;
    return r;
}

TEST(NextRun, EveryKindAcrossDayMonthAndYearEnds) {
    const LocalDateTime base = At(2026, 12, 31, 23);
    struct Case {
        MacroRecord r;
        LocalDateTime after;
        const char* next;
    } cases[] = {
        {Rec(kSchedHourly, 12, 0, true, 15), At(2027, 1, 4, 10, 15), "2027-01-04 11:15:00"},
        {Rec(kSchedHourly, 12, 0, true, 0), At(2026, 12, 31, 23, 59, 59), "2027-01-01 00:00:00"},
        // Monday and Friday at 9:05 AM; 1 January 2027 is a Friday.
        {OnDays(Rec(kSchedDaily, 9, 5, false), {1, 0, 0, 0, 1, 0, 0}), At(2027, 1, 1, 9, 5),
         "2027-01-04 09:05:00"},
        {OnDays(Rec(kSchedDaily), {}), base, "never"},
        {Rec(kSchedDaily, 12, 5, false), At(2027, 1, 4, 23), "2027-01-05 00:05:00"},  // 12 AM
        {Rec(kSchedDaily, 12, 5, true), At(2027, 1, 4, 11), "2027-01-04 12:05:00"},   // 12 PM
        {Rec(kSchedDaily, 1, 5, true), At(2027, 1, 4, 11), "2027-01-04 13:05:00"},
        {Rec(kSchedDaily, 13, 5, true), base, "never"},  // no time of day
        {Rec(kSchedWeekly, 11, 30, true, 1), At(2026, 12, 27, 23, 30), "2027-01-03 23:30:00"},
        {Rec(kSchedMonthly, 12, 0, true, 31), At(2027, 1, 31, 12), "2027-03-31 12:00:00"},
        {Rec(kSchedMonthly, 12, 0, true, 31), At(2027, 8, 31, 13), "2027-10-31 12:00:00"},
        {Rec(kSchedMonthly, 12, 0, true, 29), At(2027, 1, 29, 12), "2027-03-29 12:00:00"},
        {Rec(kSchedMonthly, 12, 0, true, 29), At(2028, 1, 29, 12), "2028-02-29 12:00:00"},
        {Rec(kSchedMonthly, 12, 0, true, 30), At(2026, 12, 30, 12), "2027-01-30 12:00:00"},
        {Once(12, 0, false, 2028, 2, 29), At(2027, 6, 1), "2028-02-29 00:00:00"},
        {Once(12, 0, false, 2027, 2, 29), At(2027, 1, 1), "never"},
        {Once(12, 0, false, 2100, 2, 29), At(2027, 1, 1), "never"},  // 2100 is no leap year
        {Rec(kSchedOther, 12, 0, true, 90), base, "2027-01-01 00:30:00"},
        {Rec(kSchedOther, 12, 0, true, 90), At(2027, 1, 1, 2), "2027-01-01 03:30:00"},
        {Rec(kSchedOther), base, "never"},
        {Rec(kSchedTimeOut, 12, 0, true, 5), base, "never"},
        {Rec(kSchedAtStartup), base, "never"},
    };
    for (const Case& c : cases) {
        ScheduleEntry e = MakeScheduleEntry(1, c.r, base);
        EXPECT_EQ(Stamp(NextRun(e, c.after)), c.next)
            << GetSched(c.r) << " after " << Stamp(c.after);
    }
}

class SchedulerTest : public ::testing::Test, protected StoreRig {
protected:
    Settings settings;
    Scheduler scheduler{store, hooks, clock, settings};

    void Load(const std::vector<MacroRecord>& records, const LocalDateTime& now) {
        clock.now = now;
        files.contents[kFile] = MacroFileOf(records);
        store.LoadMacroFile(kFile);
        scheduler.CheckAndSetTime();
    }
    Numbers CheckAt(const LocalDateTime& t) {
        clock.now = t;
        return scheduler.CheckOutTimerMacros().Macros;
    }
    // Checks every `seconds` from `from` to `to`; "macro time" per run.
    Texts Run(const LocalDateTime& from, const LocalDateTime& to, int seconds) {
        Texts runs;
        for (int64_t t = ToLocalMilliseconds(from); t <= ToLocalMilliseconds(to);
             t += seconds * 1000)
            for (int n : CheckAt(FromLocalMilliseconds(t)))
                runs.push_back(std::to_string(n) + " " + Stamp(clock.now).substr(11));
        return runs;
    }
    Numbers TableMacros() const {
        Numbers macros;
        for (const ScheduleEntry& e : scheduler.Entries()) macros.push_back(e.Macro);
        return macros;
    }
    long IdlePublications() const {
        return std::count(hooks.calls.begin(), hooks.calls.end(),
                          "ZynUpIdle count=" + std::to_string(store.MacroCount()));
    }
};

TEST_F(SchedulerTest, TableStartUpMacrosAndIdleWatch) {
    MacroRecord inactive = Rec(kSchedTimeOut, 12, 0, true, 5);
    inactive.Active = 0;
    MacroRecord hotKey = Rec(kSchedTimeOut, 12, 0, true, 5);
    hotKey.HotKey = 5;
    Load({Rec(kSchedDaily, 9, 30), inactive, hotKey, Rec(kSchedAtStartup), Rec(kSchedOnce),
          Rec(kSchedAtStartup)},
         At(2027, 1, 4, 8));
    EXPECT_EQ(TableMacros(), (Numbers{1, 5}));
    EXPECT_EQ(scheduler.Entries()[0].MinuteOfDay, 21 * 60 + 30);
    EXPECT_EQ(scheduler.StartUpMacros().Macros, (Numbers{4, 6}));
    EXPECT_TRUE(scheduler.TimerNeeded());
    EXPECT_EQ(store.Table().Byte(table::IdleWatch), 0);
    EXPECT_EQ(IdlePublications(), 0);

    Load({Rec(kSchedAtStartup), Rec(kSchedTimeOut, 12, 0, true, 5)}, At(2027, 1, 4, 8));
    EXPECT_EQ(store.Table().Byte(table::IdleWatch), 1);
    scheduler.CheckAndSetTime();
    EXPECT_EQ(IdlePublications(), 1) << "published when it changes only";
    store.SetMacroActive(2, 0);
    store.ReloadMacroFile();
    scheduler.CheckAndSetTime();
    EXPECT_EQ(store.Table().Byte(table::IdleWatch), 0);
    EXPECT_EQ(IdlePublications(), 2);
    EXPECT_FALSE(scheduler.TimerNeeded());
}

TEST_F(SchedulerTest, DailyOnWeekdaysRunsAtTheFirstCheckAfterItsTime) {
    // 2 January 2027 is a Saturday; checks every 10 s at hh:mm:03, :13, ...
    Load({OnDays(Rec(kSchedDaily, 9, 0, false), {1, 1, 1, 1, 1, 0, 0})}, At(2027, 1, 2));
    Texts runs = Run(At(2027, 1, 2, 0, 0, 3), At(2027, 1, 10, 23, 59, 53), 10);
    EXPECT_EQ(runs, Texts(5, "1 09:00:03"));
}

TEST_F(SchedulerTest, LateChecksMidnightAndYearEndRunADueMacroOnce) {
    Load({Rec(kSchedHourly, 12, 0, true, 15),
          OnDays(Rec(kSchedDaily, 11, 59), {1, 0, 0, 0, 0, 0, 0}), Once(11, 59, true, 2027, 1, 4),
          Once(11, 59, true, 2026, 12, 31)},
         At(2026, 12, 31, 23, 58, 50));
    EXPECT_EQ(CheckAt(At(2027, 1, 1, 0, 0, 10)), (Numbers{4}));
    // Asleep from Friday to Monday 1:40 PM: the quarter past runs once.
    EXPECT_EQ(CheckAt(At(2027, 1, 4, 13, 40)), (Numbers{1}));
    EXPECT_EQ(CheckAt(At(2027, 1, 4, 13, 40, 10)), Numbers{});
    EXPECT_EQ(CheckAt(At(2027, 1, 4, 23, 15, 5)), (Numbers{1}));
    // Monday 11:59 PM passes between a check before it and one after midnight.
    EXPECT_EQ(CheckAt(At(2027, 1, 4, 23, 58, 55)), Numbers{});
    EXPECT_EQ(CheckAt(At(2027, 1, 5, 0, 0, 30)), (Numbers{2, 3}));
    EXPECT_EQ(Run(At(2027, 1, 5, 0, 0, 40), At(2027, 1, 5, 23, 59, 50), 10).size(), 24u)
        << "on Tuesday only the hourly macro runs";
}

TEST_F(SchedulerTest, ANewScheduleDoesNotRunForATimeAlreadyPast) {
    Load({Rec(kSchedAtStartup)}, At(2027, 1, 4, 8));
    // The timer was off; at 3 PM a Once and a Daily are made for 10 AM.
    Load({Once(10, 0, false, 2027, 1, 4), Rec(kSchedDaily, 10, 0, false)}, At(2027, 1, 4, 15));
    EXPECT_EQ(Run(At(2027, 1, 4, 15, 0, 15), At(2027, 1, 5, 10, 0, 5), 10), Texts{"2 10:00:05"});
    // With the timer running, an edit keeps the span since the last check.
    CheckAt(At(2027, 1, 5, 10, 59, 55));
    Load({Rec(kSchedDaily, 11, 0, false)}, At(2027, 1, 5, 11, 0, 2));
    EXPECT_EQ(CheckAt(At(2027, 1, 5, 11, 0, 5)), (Numbers{1}));
}

TEST_F(SchedulerTest, ClockChanges) {
    const std::vector<MacroRecord> macros = {Rec(kSchedDaily, 2, 30, false),
                                             Rec(kSchedHourly, 12, 0, true, 0),
                                             Rec(kSchedOther, 12, 0, true, 15)};
    // Forward at 2:00: the skipped hour's times run once at the jump.
    Load(macros, At(2027, 3, 28, 1, 30));
    Texts runs = Run(At(2027, 3, 28, 1, 30, 5), At(2027, 3, 28, 1, 59, 55), 10);
    Texts after = Run(At(2027, 3, 28, 3, 0, 5), At(2027, 3, 28, 3, 20), 10);
    runs.insert(runs.end(), after.begin(), after.end());
    EXPECT_EQ(runs, (Texts{"3 01:45:05", "1 03:00:05", "2 03:00:05", "3 03:00:05", "3 03:15:05"}));

    // Back at 3:00: a time passed twice runs the first time; "Other" keeps
    // counting real time, 15 minutes and one check after its last run.
    CheckAt(At(2027, 10, 31, 1, 30));
    Load(macros, At(2027, 10, 31, 1, 30));
    runs = Run(At(2027, 10, 31, 1, 30, 5), At(2027, 10, 31, 2, 59, 55), 10);
    EXPECT_EQ(runs, (Texts{"3 01:45:05", "2 02:00:05", "3 02:00:05", "3 02:15:05", "1 02:30:05",
                           "3 02:30:05", "3 02:45:05"}));
    runs = Run(At(2027, 10, 31, 2, 0, 5), At(2027, 10, 31, 3, 5), 10);
    EXPECT_EQ(runs, (Texts{"3 02:00:15", "3 02:15:15", "3 02:30:15", "3 02:45:15", "2 03:00:05",
                           "3 03:00:15"}));
}

TEST_F(SchedulerTest, ClockSetBackByMoreThanAnHourIsACorrection) {
    Load({Rec(kSchedDaily, 10, 0, false)}, At(2027, 1, 4, 9));
    EXPECT_EQ(Run(At(2027, 1, 4, 9, 59, 55), At(2027, 1, 4, 10, 0, 5), 10), Texts{"1 10:00:05"});
    CheckAt(At(2027, 1, 4, 12));
    EXPECT_EQ(Run(At(2027, 1, 4, 9, 59, 55), At(2027, 1, 4, 10, 0, 5), 10), Texts{"1 10:00:05"});
}

TEST_F(SchedulerTest, OtherCountsFromTheRebuildAndKeepsItsStepAfterALateCheck) {
    Load({Rec(kSchedOther, 12, 0, true, 15)}, At(2027, 1, 4, 10));
    clock.now = At(2027, 1, 4, 10, 10);
    scheduler.CheckAndSetTime();  // an edit restarts the count
    EXPECT_EQ(CheckAt(At(2027, 1, 4, 10, 15, 5)), Numbers{});
    EXPECT_EQ(CheckAt(At(2027, 1, 4, 10, 25, 5)), (Numbers{1}));
    // Busy for most of an hour: one run, then on at 10:10 + k * 15 minutes.
    EXPECT_EQ(CheckAt(At(2027, 1, 4, 11, 12)), (Numbers{1}));
    EXPECT_EQ(CheckAt(At(2027, 1, 4, 11, 12, 10)), Numbers{});
    EXPECT_EQ(CheckAt(At(2027, 1, 4, 11, 24, 55)), Numbers{});
    EXPECT_EQ(CheckAt(At(2027, 1, 4, 11, 25, 5)), (Numbers{1}));
}

TEST_F(SchedulerTest, TimeOutCountsIdleChecksAndActivityStartsItAgain) {
    Load({Rec(kSchedTimeOut, 12, 0, true, 5), Rec(kSchedTimeOut, 12, 0, true, 10)},
         At(2027, 1, 4, 10));
    Texts runs;
    for (int tick = 1; tick <= 130; ++tick) {
        if (tick == 100) scheduler.OnUserActivity();
        for (int n : scheduler.CheckOutTimerMacros().Macros)
            runs.push_back(std::to_string(n) + "@" + std::to_string(tick));
    }
    // Over 300 idle seconds at 10 s a check: the 31st check, then 31 checks
    // after each run; each macro counts its own minutes.
    EXPECT_EQ(runs, (Texts{"1@31", "2@61", "1@62", "1@93", "1@130"}));

    // The count follows "Timer Seconds" and goes on while a check's macro plays.
    settings.TimerSeconds = 60;
    scheduler.OnUserActivity();
    for (int tick = 1; tick <= 3; ++tick)
        EXPECT_EQ(scheduler.CheckOutTimerMacros().Macros, Numbers{});
    {
        TimerCheck playing = scheduler.CheckOutTimerMacros();          // 240 s
        EXPECT_EQ(scheduler.CheckOutTimerMacros().Macros, Numbers{});  // 300 s, nested
    }
    EXPECT_EQ(scheduler.CheckOutTimerMacros().Macros, (Numbers{1}));  // 360 s
}

TEST_F(SchedulerTest, MacrosDueWhileACheckedMacroPlaysRunAfterIt) {
    settings.UseWaveFile = true;
    settings.WaveFileWait = true;
    settings.WaveFile = "C:\\ALARM.WAV";
    Load({Rec(kSchedDaily, 9, 0, false), Rec(kSchedDaily, 9, 1, false), Rec(kSchedAtStartup)},
         At(2027, 1, 4, 8, 59, 55));
    {
        clock.now = At(2027, 1, 4, 9, 0, 0);
        TimerCheck first = scheduler.CheckOutTimerMacros();
        EXPECT_EQ(first.Macros, (Numbers{1}));
        EXPECT_TRUE(first.Alarm.Play && first.Alarm.Wait);
        EXPECT_EQ(first.Alarm.WaveFile, "C:\\ALARM.WAV");
        EXPECT_EQ(CheckAt(At(2027, 1, 4, 9, 1, 5)), Numbers{}) << "nested tick";
    }
    EXPECT_EQ(CheckAt(At(2027, 1, 4, 9, 1, 15)), (Numbers{2}));
    EXPECT_EQ(CheckAt(At(2027, 1, 4, 9, 1, 25)), Numbers{});
    EXPECT_EQ(scheduler.StartUpMacros().Alarm.WaveFile, "C:\\ALARM.WAV");
}

}  // namespace
}  // namespace tavrin
