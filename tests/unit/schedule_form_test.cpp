#include "forms/schedule_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "triggers/schedule.h"

namespace tavrin {
namespace {

const LocalDateTime kToday{2027, 3, 15, 16, 45, 0, 0};

MacroRecord Scheduled(int16_t kind) {
    MacroRecord r;
    DefaultTimer(r, kToday);  // Daily at 12:00 PM on every day, dated today
    r.SchedKind = kind;
    return r;
}

std::vector<uint8_t> Bytes(const MacroRecord& r) {
    std::vector<uint8_t> bytes(kMacroRecordSize);
    EncodeMacroRecord(r, bytes.data());
    return bytes;
}

TEST(GetSched, DescribesEveryKind) {
    MacroRecord r = Scheduled(kSchedDaily);
    EXPECT_EQ(GetSched(r), "Daily at 12:00PM,Sun,Mon,Tue,Wed,Thu,Fri,Sat");
    r.SchedHour = 9;
    r.SchedMinute = 5;
    r.SchedPM = 0;
    r.SchedDays = {1, 0, 1, 0, 0, 0, 1};  // Monday, Wednesday, Sunday
    EXPECT_EQ(GetSched(r), "Daily at 9:05AM,Sun,Mon,Wed");
    r.SchedPM = 1;
    r.SchedDay = 3;
    r.SchedDayOfWeek = 7;
    r.SchedHourlyMinute = 5;
    r.SchedMinutes = 90;
    const char* texts[] = {"At Startup",
                           "Once at 9:05PM on 3 March 2027",
                           "Hourly at 5 minutes past the hour",
                           nullptr,
                           "Weekly at 9:05PM on Saturday",
                           "Monthly at 9:05PM on day 3 of each month",
                           "every 90 minutes",
                           "Time Out after 90 idle minutes"};
    for (int16_t kind = kSchedAtStartup; kind <= kSchedTimeOut; ++kind) {
        r.SchedKind = kind;
        if (texts[kind]) {
            EXPECT_EQ(GetSched(r), texts[kind]);
        }
    }
}

TEST(ScheduleForm, OpensWithTheRecordsFields) {
    MacroRecord r = Scheduled(kSchedWeekly);
    r.SchedMinute = 5;
    r.SchedDayOfWeek = 7;
    r.SchedMinutes = 45;
    ScheduleForm form(r);
    EXPECT_EQ(form.Kind, kSchedWeekly);
    EXPECT_EQ(form.Hour + ":" + form.Minute + " " + std::to_string(form.AmPmItem), "12:05 1");
    EXPECT_EQ(form.MonthItem, 2);
    EXPECT_EQ(form.OnceDay + " " + form.MonthlyDay + " " + form.Year, "15 15 2027");
    EXPECT_EQ(form.WeekdayItem, 6);
    EXPECT_EQ(form.HourlyMinute + " " + form.OtherMinutes + " " + form.IdleMinutes, "15 45 45");
}

TEST(ScheduleForm, UpdateRefusesBadFieldsOfTheChosenKindAndStoresNothing) {
    const char* hour = "Invalid hour specified.";
    const char* minute = "Invalid minute specified.";
    const char* day = "Invalid day of month specified.";
    const char* past = "Specified date has already elapsed.";
    const char* other = "Invalid minutes specified.  Must be between 1 and 720.";
    const char* idle = "Invalid minutes specified.  Must be between 1 and 90.";
    using F = ScheduleField;
    struct Case {
        int16_t kind;
        std::string ScheduleForm::*field;
        std::string text;
        const char* message;  // nullptr when accepted
        ScheduleField focus;
    } cases[] = {
        {kSchedOnce, &ScheduleForm::Hour, "0", hour, F::Hour},
        {kSchedDaily, &ScheduleForm::Hour, "13", hour, F::Hour},
        {kSchedWeekly, &ScheduleForm::Hour, "", hour, F::Hour},
        {kSchedMonthly, &ScheduleForm::Hour, " 9", hour, F::Hour},
        {kSchedDaily, &ScheduleForm::Minute, "60", minute, F::Minute},
        {kSchedWeekly, &ScheduleForm::Minute, "-1", minute, F::Minute},
        {kSchedHourly, &ScheduleForm::Hour, "x", nullptr, F::None},  // not Hourly's field
        {kSchedOnce, &ScheduleForm::OnceDay, "0", day, F::OnceDay},
        {kSchedOnce, &ScheduleForm::OnceDay, "x", day, F::OnceDay},
        {kSchedOnce, &ScheduleForm::OnceDay, "32", day, F::OnceDay},
        {kSchedOnce, &ScheduleForm::OnceDay, "14", past, F::OnceDay},
        {kSchedOnce, &ScheduleForm::OnceDay, "15", nullptr, F::None},  // today, time past
        {kSchedOnce, &ScheduleForm::Year, "", "Invalid year specified.", F::Year},
        {kSchedOnce, &ScheduleForm::Year, "2026", past, F::Year},
        {kSchedHourly, &ScheduleForm::HourlyMinute, "60", "Invalid minutes specified.",
         F::HourlyMinute},
        {kSchedHourly, &ScheduleForm::HourlyMinute, "0", nullptr, F::None},
        {kSchedMonthly, &ScheduleForm::MonthlyDay, "0", day, F::MonthlyDay},
        {kSchedMonthly, &ScheduleForm::MonthlyDay, "32", day, F::MonthlyDay},
        {kSchedOther, &ScheduleForm::OtherMinutes, "0", other, F::OtherMinutes},
        {kSchedOther, &ScheduleForm::OtherMinutes, "721", other, F::OtherMinutes},
        {kSchedTimeOut, &ScheduleForm::IdleMinutes, "", idle, F::IdleMinutes},
        {kSchedTimeOut, &ScheduleForm::IdleMinutes, "91", idle, F::IdleMinutes},
    };
    for (const Case& c : cases) {
        MacroRecord r = Scheduled(kSchedDaily);
        const std::vector<uint8_t> before = Bytes(r);
        ScheduleForm form(r);
        form.Kind = c.kind;
        form.Days.fill(false);
        form.*c.field = c.text;
        ScheduleCheck check = form.UpdateButtonClick(r, kToday);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(check.Ok, c.message == nullptr);
        EXPECT_EQ(check.Message, c.message ? c.message : "");
        EXPECT_EQ(check.Focus, c.focus);
        if (c.message) {
            EXPECT_EQ(check.Title, "Error");
            EXPECT_EQ(Bytes(r), before);
        }
    }
}

TEST(ScheduleForm, OnceNeedsARealDateFromTodayOn) {
    struct Case {
        const char* year;
        int monthItem;
        const char* day;
        ScheduleField failure;
    } cases[] = {
        {"2027", 1, "29", ScheduleField::OnceDay},  // February of a common year
        {"2028", 1, "29", ScheduleField::None},
        {"2100", 1, "29", ScheduleField::OnceDay},  // not a leap year
        {"2000", 1, "29", ScheduleField::Year},     // a leap year, long gone
        {"2027", 3, "31", ScheduleField::OnceDay},  // 31 April
        {"2027", 1, "28", ScheduleField::Month},
        {"2028", 0, "1", ScheduleField::None},
    };
    for (const Case& c : cases) {
        MacroRecord r = Scheduled(kSchedOnce);
        ScheduleForm form(r);
        form.Year = c.year;
        form.MonthItem = c.monthItem;
        form.OnceDay = c.day;
        SCOPED_TRACE(std::string(c.year) + " " + std::to_string(c.monthItem + 1) + " " + c.day);
        EXPECT_EQ(form.UpdateButtonClick(r, kToday).Focus, c.failure);
    }
}

TEST(ScheduleForm, UpdateStoresTheChosenKindsFields) {
    MacroRecord r = Scheduled(kSchedDaily);
    ScheduleForm form(r);
    form.Kind = kSchedOnce;
    form.Minute = "7";
    form.AmPmItem = 0;
    form.Days = {true, false, false, false, false, false, false};
    form.MonthItem = 1;
    form.OnceDay = "29";
    form.Year = "2028";
    form.WeekdayItem = 0;
    form.HourlyMinute = "x";  // not Once's: neither checked nor stored
    ASSERT_TRUE(form.UpdateButtonClick(r, kToday).Ok);
    EXPECT_EQ(GetSched(r), "Once at 12:07AM on 29 February 2028");
    EXPECT_EQ(r.SchedDays, (std::array<uint8_t, 7>{1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(r.SchedDayOfWeek, 1);
    EXPECT_EQ(r.SchedHourlyMinute, 15);

    // Other and Time Out share the record's minutes; each stores its own field.
    form = ScheduleForm(r);
    form.Kind = kSchedOther;
    form.OtherMinutes = "720";
    form.IdleMinutes = "5";
    form.OnceDay = "0";
    ASSERT_TRUE(form.UpdateButtonClick(r, kToday).Ok);
    EXPECT_EQ(r.SchedMinutes, 720);
    EXPECT_EQ(r.SchedDay, 29) << "Once's day is kept";
    form.Kind = kSchedTimeOut;
    ASSERT_TRUE(form.UpdateButtonClick(r, kToday).Ok);
    EXPECT_EQ(GetSched(r), "Time Out after 5 idle minutes");
}

}  // namespace
}  // namespace tavrin
