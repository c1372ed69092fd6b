#include "store/day_number.h"

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

}  // namespace tavrin
