#pragma once
// The "Set Schedule" dialog: the kind of schedule and its
// fields, opened on the main window's record buffer. The number fields are
// kept as the text the user typed, since the checks judge that text.
#include <array>
#include <cstdint>
#include <string>

#include "base/day_number.h"
#include "store/macro_record.h"

namespace tavrin {

constexpr char kScheduleCaption[] = "Set Schedule";
constexpr char kScheduleUpdateText[] = "&Update";
// The radio buttons, in SchedKind order.
constexpr std::array<const char*, 8> kScheduleKindTexts = {
    "&At Startup", "&Once", "&Hourly", "&Daily", "&Weekly", "&Monthly", "Oth&er", "&Time Out"};

// The limits of the spin buttons beside the number fields. The year has no
// upper limit of its own; the record keeps it in 16 bits.
struct SpinRange {
    int Low;
    int High;
};
constexpr SpinRange kDaySpin{1, 31};
constexpr SpinRange kYearSpin{1, 65535};
constexpr SpinRange kHourlyMinuteSpin{0, 59};
constexpr SpinRange kOtherMinutesSpin{1, 720};
constexpr SpinRange kIdleMinutesSpin{1, 90};

enum class ScheduleField {
    None,
    Hour,
    Minute,
    Month,
    OnceDay,
    Year,
    HourlyMinute,
    MonthlyDay,
    OtherMinutes,
    IdleMinutes,
};

struct ScheduleCheck {
    bool Ok = true;
    std::string Title;
    std::string Message;
    ScheduleField Focus = ScheduleField::None;
};

class ScheduleForm {
public:
    explicit ScheduleForm(const MacroRecord& r);

    int16_t Kind;
    // The time of Once, Daily, Weekly and Monthly.
    std::string Hour;
    std::string Minute;        // two digits
    int AmPmItem;              // 0 AM, 1 PM
    std::array<bool, 7> Days;  // "&Mon" .. "Su&n"
    // Once.
    int MonthItem;  // 0 January .. 11 December
    std::string OnceDay;
    std::string Year;
    // Hourly.
    std::string HourlyMinute;
    // Weekly.
    int WeekdayItem;  // 0 Sunday .. 6 Saturday
    // Monthly.
    std::string MonthlyDay;
    // Other and Time Out; both are kept in the record's SchedMinutes.
    std::string OtherMinutes;
    std::string IdleMinutes;

    // "&Update": checks the chosen kind's fields against today's date. The
    // first failure is returned and nothing is stored. Otherwise stores the
    // kind, the day flags, the three lists and the chosen kind's number
    // fields into r; the other kinds' fields in r stay as they were.
    ScheduleCheck UpdateButtonClick(MacroRecord& r, const LocalDateTime& today) const;
};

}  // namespace tavrin
