#include "base/day_number.h"

namespace tavrin {

namespace {

// Days from 1 March of year 0 of the proleptic Gregorian calendar.
long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    long era = (y >= 0 ? y : y - 399) / 400;
    long yoe = y - era * 400;
    long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

// The inverse of DaysFromCivil.
LocalDateTime CivilFromDays(long z) {
    long era = (z >= 0 ? z : z - 146096) / 146097;
    long doe = z - era * 146097;
    long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long mp = (5 * doy + 2) / 153;
    LocalDateTime t;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2 ? 1 : 0));
    return t;
}

int64_t FloorDiv(int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

}  // namespace

double ToDayNumber(const LocalDateTime& t) {
    long days = DaysFromCivil(t.year, t.month, t.day) - DaysFromCivil(1899, 12, 30);
    double fraction =
        ((t.hour * 60.0 + t.minute) * 60.0 + t.second + t.millisecond / 1000.0) / 86400.0;
    return static_cast<double>(days) + fraction;
}

int DayOfWeek(const LocalDateTime& t) {
    // 30 December 1899 was a Saturday.
    long days = DaysFromCivil(t.year, t.month, t.day) - DaysFromCivil(1899, 12, 30);
    long dow = ((days % 7) + 7 + 6) % 7;  // 0 Sunday
    return static_cast<int>(dow) + 1;
}

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return day >= 1 && day <= DaysInMonth(year, month);
}

int64_t ToLocalMilliseconds(const LocalDateTime& t) {
    int64_t days = DaysFromCivil(t.year, t.month, t.day) - DaysFromCivil(1899, 12, 30);
    return days * kMillisecondsPerDay +
           ((t.hour * 60 + t.minute) * 60 + t.second) * int64_t{1000} + t.millisecond;
}

LocalDateTime FromLocalMilliseconds(int64_t ms) {
    int64_t days = FloorDiv(ms, kMillisecondsPerDay);
    int64_t rest = ms - days * kMillisecondsPerDay;
    LocalDateTime t = CivilFromDays(static_cast<long>(days + DaysFromCivil(1899, 12, 30)));
    t.hour = static_cast<int>(rest / kMillisecondsPerHour);
    t.minute = static_cast<int>(rest / kMillisecondsPerMinute % 60);
    t.second = static_cast<int>(rest / 1000 % 60);
    t.millisecond = static_cast<int>(rest % 1000);
    return t;
}

}  // namespace tavrin
