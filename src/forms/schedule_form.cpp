#include "forms/schedule_form.h"

#include <algorithm>

#include "forms/number_text.h"
#include "triggers/schedule.h"

namespace tavrin {

namespace {

bool InRange(const std::string& text, long long low, long long high, long long& value) {
    return ParseDigits(text, value) && value >= low && value <= high;
}

ScheduleCheck Failed(const char* message, ScheduleField focus) {
    ScheduleCheck check;
    check.Ok = false;
    check.Title = "Error";
    check.Message = message;
    check.Focus = focus;
    return check;
}

bool HasTimeOfDay(int16_t kind) {
    return kind == kSchedOnce || kind == kSchedDaily || kind == kSchedWeekly ||
           kind == kSchedMonthly;
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

}  // namespace

ScheduleForm::ScheduleForm(const MacroRecord& r)
    : Kind(r.SchedKind),
      Hour(std::to_string(r.SchedHour)),
      Minute(TwoDigits(r.SchedMinute)),
      AmPmItem(r.SchedPM ? 1 : 0),
      Days{},
      MonthItem(std::clamp(r.SchedMonth - 1, 0, 11)),
      OnceDay(std::to_string(r.SchedDay)),
      Year(std::to_string(r.SchedYear)),
      HourlyMinute(std::to_string(r.SchedHourlyMinute)),
      WeekdayItem(std::clamp(r.SchedDayOfWeek - 1, 0, 6)),
      MonthlyDay(std::to_string(r.SchedDay)),
      OtherMinutes(std::to_string(r.SchedMinutes)),
      IdleMinutes(std::to_string(r.SchedMinutes)) {
    for (size_t i = 0; i < Days.size(); ++i) Days[i] = r.SchedDays[i] != 0;
}

ScheduleCheck ScheduleForm::UpdateButtonClick(MacroRecord& r, const LocalDateTime& today) const {
    long long hour = 0, minute = 0, day = 0, year = 0, minutes = 0;
    if (HasTimeOfDay(Kind)) {
        if (!InRange(Hour, 1, 12, hour))
            return Failed("Invalid hour specified.", ScheduleField::Hour);
        if (!InRange(Minute, 0, 59, minute))
            return Failed("Invalid minute specified.", ScheduleField::Minute);
    }
    const int month = MonthItem + 1;
    switch (Kind) {
        case kSchedOnce: {
            if (!InRange(Year, 0, kYearSpin.High, year))
                return Failed("Invalid year specified.", ScheduleField::Year);
            if (!InRange(OnceDay, 1, DaysInMonth(static_cast<int>(year), month), day))
                return Failed("Invalid day of month specified.", ScheduleField::OnceDay);
            ScheduleField early = ScheduleField::None;
            if (year != today.year) {
                if (year < today.year) early = ScheduleField::Year;
            } else if (month != today.month) {
                if (month < today.month) early = ScheduleField::Month;
            } else if (day < today.day) {
                early = ScheduleField::OnceDay;
            }
            if (early != ScheduleField::None)
                return Failed("Specified date has already elapsed.", early);
            break;
        }
        case kSchedHourly:
            if (!InRange(HourlyMinute, 0, 59, minutes))
                return Failed("Invalid minutes specified.", ScheduleField::HourlyMinute);
            break;
        case kSchedMonthly:
            if (!InRange(MonthlyDay, 1, 31, day))
                return Failed("Invalid day of month specified.", ScheduleField::MonthlyDay);
            break;
        case kSchedOther:
            if (!InRange(OtherMinutes, 1, 720, minutes))
                return Failed("Invalid minutes specified.  Must be between 1 and 720.",
                              ScheduleField::OtherMinutes);
            break;
        case kSchedTimeOut:
            if (!InRange(IdleMinutes, 1, 90, minutes))
                return Failed("Invalid minutes specified.  Must be between 1 and 90.",
                              ScheduleField::IdleMinutes);
            break;
        default: break;
    }

    r.SchedKind = Kind;
    for (size_t i = 0; i < Days.size(); ++i) r.SchedDays[i] = Days[i] ? 1 : 0;
    r.SchedPM = AmPmItem == 1 ? 1 : 0;
    r.SchedMonth = static_cast<uint8_t>(month);
    r.SchedDayOfWeek = static_cast<uint8_t>(WeekdayItem + 1);
    if (HasTimeOfDay(Kind)) {
        r.SchedHour = static_cast<uint8_t>(hour);
        r.SchedMinute = static_cast<uint8_t>(minute);
    }
    switch (Kind) {
        case kSchedOnce:
            r.SchedDay = static_cast<uint8_t>(day);
            r.SchedYear = static_cast<uint16_t>(year);
            break;
        case kSchedHourly: r.SchedHourlyMinute = static_cast<uint8_t>(minutes); break;
        case kSchedMonthly: r.SchedDay = static_cast<uint8_t>(day); break;
        case kSchedOther:
        case kSchedTimeOut: r.SchedMinutes = static_cast<uint16_t>(minutes); break;
        default: break;
    }
    return ScheduleCheck{};
}

}  // namespace tavrin
