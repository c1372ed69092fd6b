#include "triggers/schedule.h"

namespace tavrin {

const std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
const std::array<const char*, 7> kWeekdayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

namespace {

// Daily, Weekly and Monthly run on the days they name; a year holds every
// weekday and every day of the month that recurs.
constexpr int kDaysSearched = 366;

bool RunsOnDay(const ScheduleEntry& e, const LocalDateTime& date) {
    switch (e.Kind) {
        case kSchedDaily: return e.Days[(DayOfWeek(date) + 5) % 7] != 0;  // Monday first
        case kSchedWeekly: return DayOfWeek(date) == e.DayOfWeek;
        case kSchedMonthly: return date.day == e.DayOfMonth;
        default: return false;
    }
}

std::optional<int64_t> NextRunAt(const ScheduleEntry& e, int64_t after) {
    const int64_t timeOfDay = e.MinuteOfDay * kMillisecondsPerMinute;
    switch (e.Kind) {
        case kSchedOnce: {
            if (e.MinuteOfDay < 0 || !IsValidDate(e.Year, e.Month, e.DayOfMonth)) return {};
            LocalDateTime date;
            date.year = e.Year;
            date.month = e.Month;
            date.day = e.DayOfMonth;
            int64_t at = ToLocalMilliseconds(date) + timeOfDay;
            if (at > after) return at;
            return {};
        }
        case kSchedHourly: {
            if (e.HourlyMinute >= 60) return {};
            int64_t hour = after - ((after % kMillisecondsPerHour) + kMillisecondsPerHour) %
                                       kMillisecondsPerHour;
            int64_t at = hour + e.HourlyMinute * kMillisecondsPerMinute;
            return at > after ? at : at + kMillisecondsPerHour;
        }
        case kSchedDaily:
        case kSchedWeekly:
        case kSchedMonthly: {
            if (e.MinuteOfDay < 0) return {};
            LocalDateTime day = FromLocalMilliseconds(after);
            day.hour = day.minute = day.second = day.millisecond = 0;
            int64_t midnight = ToLocalMilliseconds(day);
            for (int i = 0; i <= kDaysSearched; ++i, midnight += kMillisecondsPerDay) {
                int64_t at = midnight + timeOfDay;
                if (at > after && RunsOnDay(e, FromLocalMilliseconds(midnight))) return at;
            }
            return {};
        }
        case kSchedOther: {
            if (e.Minutes == 0) return {};
            const int64_t interval = e.Minutes * kMillisecondsPerMinute;
            const int64_t base = ToLocalMilliseconds(e.Base);
            int64_t periods = after < base ? 1 : (after - base) / interval + 1;
            return base + periods * interval;
        }
        default: return {};
    }
}

std::string TimeText(const MacroRecord& r) {
    std::string minute = std::to_string(r.SchedMinute);
    if (minute.size() < 2) minute = "0" + minute;
    return std::to_string(r.SchedHour) + ":" + minute + (r.SchedPM ? "PM" : "AM");
}

std::string MonthName(int month) { return month >= 1 && month <= 12 ? kMonthNames[month - 1] : ""; }

std::string WeekdayName(int day) { return day >= 1 && day <= 7 ? kWeekdayNames[day - 1] : ""; }

}  // namespace

int Hour24(int hour12, bool pm) {
    if (hour12 == 12) return pm ? 12 : 0;
    return pm ? hour12 + 12 : hour12;
}

ScheduleEntry MakeScheduleEntry(int macro, const MacroRecord& r, const LocalDateTime& base) {
    ScheduleEntry e;
    e.Macro = macro;
    e.Kind = r.SchedKind;
    e.Days = r.SchedDays;
    e.Month = r.SchedMonth;
    e.DayOfMonth = r.SchedDay;
    e.HourlyMinute = r.SchedHourlyMinute;
    e.Minutes = r.SchedMinutes;
    e.DayOfWeek = r.SchedDayOfWeek;
    e.Year = r.SchedYear;
    int hour = Hour24(r.SchedHour, r.SchedPM != 0);
    if (hour < 24 && r.SchedMinute < 60) e.MinuteOfDay = hour * 60 + r.SchedMinute;
    e.Base = base;
    return e;
}

std::optional<LocalDateTime> NextRun(const ScheduleEntry& e, const LocalDateTime& after) {
    std::optional<int64_t> at = NextRunAt(e, ToLocalMilliseconds(after));
    if (!at) return {};
    return FromLocalMilliseconds(*at);
}

std::string GetSched(const MacroRecord& r) {
    switch (r.SchedKind) {
        case kSchedAtStartup: return "At Startup";
        case kSchedOnce:
            return "Once at " + TimeText(r) + " on " + std::to_string(r.SchedDay) + " " +
                   MonthName(r.SchedMonth) + " " + std::to_string(r.SchedYear);
        case kSchedHourly:
            return "Hourly at " + std::to_string(r.SchedHourlyMinute) + " minutes past the hour";
        case kSchedDaily: {
            static const char* const kShort[7] = {",Sun", ",Mon", ",Tue", ",Wed",
                                                  ",Thu", ",Fri", ",Sat"};
            std::string text = "Daily at " + TimeText(r);
            for (int day = 0; day < 7; ++day) {
                if (r.SchedDays[(day + 6) % 7]) text += kShort[day];  // flags start on Monday
            }
            return text;
        }
        case kSchedWeekly:
            return "Weekly at " + TimeText(r) + " on " + WeekdayName(r.SchedDayOfWeek);
        case kSchedMonthly:
            return "Monthly at " + TimeText(r) + " on day " + std::to_string(r.SchedDay) +
                   " of each month";
        case kSchedOther: return "every " + std::to_string(r.SchedMinutes) + " minutes";
        case kSchedTimeOut:
            return "Time Out after " + std::to_string(r.SchedMinutes) + " idle minutes";
        default: return "";
    }
}

}  // namespace tavrin
