#pragma once
// The schedule of one timed macro: its entry in the schedule table, when it
// next runs, and the one-line description shown in the macro list.
//
// Times are taken as the local clock reads them. A schedule at a wall-clock
// time (Once, Hourly, Daily, Weekly, Monthly) runs when the clock passes that
// time; "Other" runs every N minutes counted from a base time; "Time Out"
// runs after N minutes without user input and has no time of its own.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/day_number.h"
#include "store/macro_record.h"

namespace tavrin {

// SchedKind values.
constexpr int16_t kSchedAtStartup = 0;
constexpr int16_t kSchedOnce = 1;
constexpr int16_t kSchedHourly = 2;
constexpr int16_t kSchedDaily = 3;
constexpr int16_t kSchedWeekly = 4;
constexpr int16_t kSchedMonthly = 5;
constexpr int16_t kSchedOther = 6;
constexpr int16_t kSchedTimeOut = 7;

extern const std::array<const char*, 12> kMonthNames;   // "January" ..
extern const std::array<const char*, 7> kWeekdayNames;  // "Sunday" ..

// The 24-hour hour of a stored 12-hour one: 12 AM is 0, 12 PM is 12.
int Hour24(int hour12, bool pm);

// One row of the schedule table.
struct ScheduleEntry {
    int Macro = 0;  // macro number
    int16_t Kind = kSchedAtStartup;
    std::array<uint8_t, 7> Days{};  // Monday .. Sunday
    uint8_t Month = 0;
    uint8_t DayOfMonth = 0;
    uint8_t HourlyMinute = 0;
    uint16_t Minutes = 0;   // Other, Time Out
    uint8_t DayOfWeek = 0;  // 1 Sunday .. 7 Saturday
    uint16_t Year = 0;
    // Minutes after midnight on the 24-hour clock; -1 when the stored hour
    // or minute is no time of day (such a schedule never runs).
    int MinuteOfDay = -1;
    // Other: the count of N minutes starts here; set when the table is
    // built and advanced as the macro runs.
    LocalDateTime Base;
    // Time Out: the idle seconds counted when this macro last ran since the
    // user's last input.
    int IdleMark = 0;
};

ScheduleEntry MakeScheduleEntry(int macro, const MacroRecord& r, const LocalDateTime& base);

// The first moment strictly after `after` at which the entry runs; none for
// At Startup, Time Out and a schedule whose date or time cannot occur (an
// invalid date, no day chosen, a zero interval). Monthly on a day that a
// month lacks skips that month.
std::optional<LocalDateTime> NextRun(const ScheduleEntry& e, const LocalDateTime& after);

// The description of a record's schedule, e.g. "Daily at 9:05AM,Mon,Fri".
std::string GetSched(const MacroRecord& r);

}  // namespace tavrin
