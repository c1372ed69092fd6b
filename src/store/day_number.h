#pragma once
// Dates as stored in macro records: days since 30 December 1899, the
// fraction being the time of day.

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

}  // namespace tavrin
