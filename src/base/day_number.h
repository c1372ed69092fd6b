#pragma once
// Dates as stored in macro records: days since 30 December 1899, the
// fraction being the time of day.
#include <cstdint>

namespace tavrin {

struct LocalDateTime {
    int year = 1899;
    int month = 12;  // 1..12
    int day = 30;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

double ToDayNumber(const LocalDateTime& t);
// 1 Sunday .. 7 Saturday.
int DayOfWeek(const LocalDateTime& t);

// Gregorian calendar.
bool IsLeapYear(int year);
// 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
bool IsValidDate(int year, int month, int day);

// The local clock as a count of milliseconds from 30 December 1899 0:00, for
// exact arithmetic on times as the clock reads them: every day has 24 hours,
// and a change of the clock is a jump in the count.
int64_t ToLocalMilliseconds(const LocalDateTime& t);
LocalDateTime FromLocalMilliseconds(int64_t ms);

constexpr int64_t kMillisecondsPerMinute = 60 * 1000;
constexpr int64_t kMillisecondsPerHour = 60 * kMillisecondsPerMinute;
constexpr int64_t kMillisecondsPerDay = 24 * kMillisecondsPerHour;

}  // namespace tavrin
