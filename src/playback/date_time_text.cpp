#include "playback/date_time_text.h"

#include <cstring>

#include "language/ansi_text.h"
#include "language/date_time_codes.h"

namespace tavrin {

namespace {

constexpr const char* kDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
// The first date format that is a day of the week ("Day of Week 1").
constexpr int kFirstDayOfWeek = 47;
// The first time format with a 12-hour clock ("hh:mm am").
constexpr int kFirstTwelveHour = 11;

std::string Number(int value, int digits) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
    return text;
}

bool StartsWith(const char* text, const char* part) {
    return std::strncmp(text, part, std::strlen(part)) == 0;
}

}  // namespace

std::string DateText(const LocalDateTime& now, int format, bool leadingZeros, int dayOffset) {
    const LocalDateTime date =
        FromLocalMilliseconds(ToLocalMilliseconds(now) + dayOffset * kMillisecondsPerDay);
    if (format < 0 || format >= static_cast<int>(kDateFormatCodes.size())) return "";
    const std::string day = kDays[DayOfWeek(date) - 1];
    switch (format - kFirstDayOfWeek) {
        case 0: return day.substr(0, 3);
        case 1: return UpperCase(day.substr(0, 3));
        case 2: return day;
        case 3: return UpperCase(day);
    }
    const std::string month = kMonths[date.month - 1];
    const int zeros = leadingZeros ? 2 : 1;
    std::string text;
    for (const char* p = kDateFormatCodes[format]; *p != '\0';) {
        // Longer parts first: "YYYY" before "YY", "Mmmmm" before "Mmm",
        // "MMM" before "MM".
        if (StartsWith(p, "YYYY")) {
            text += Number(date.year, leadingZeros ? 4 : 1);
            p += 4;
        } else if (StartsWith(p, "YY")) {
            text += Number(date.year % 100, 2);
            p += 2;
        } else if (StartsWith(p, "Mmmmm")) {
            text += month;
            p += 5;
        } else if (StartsWith(p, "MMM")) {
            text += UpperCase(month.substr(0, 3));
            p += 3;
        } else if (StartsWith(p, "Mmm")) {
            text += month.substr(0, 3);
            p += 3;
        } else if (StartsWith(p, "MM")) {
            text += Number(date.month, zeros);
            p += 2;
        } else if (StartsWith(p, "DD")) {
            text += Number(date.day, zeros);
            p += 2;
        } else {
            text += *p++;
        }
    }
    return text;
}

std::string TimeText(const LocalDateTime& now, int format, bool leadingZeroHour) {
    if (format < 0 || format >= static_cast<int>(kTimeFormatCodes.size())) return "";
    int hour = now.hour;
    if (format >= kFirstTwelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
    const bool pm = now.hour >= 12;
    std::string text;
    for (const char* p = kTimeFormatCodes[format]; *p != '\0';) {
        if (StartsWith(p, "hh")) {
            text += Number(hour, leadingZeroHour ? 2 : 1);
            p += 2;
        } else if (StartsWith(p, "mm")) {
            text += Number(now.minute, 2);
            p += 2;
        } else if (StartsWith(p, "ss")) {
            text += Number(now.second, 2);
            p += 2;
        } else if (StartsWith(p, "am")) {
            text += pm ? "pm" : "am";
            p += 2;
        } else if (StartsWith(p, "AM")) {
            text += pm ? "PM" : "AM";
            p += 2;
        } else if (StartsWith(p, "a")) {
            text += pm ? "p" : "a";
            p += 1;
        } else {
            text += *p++;
        }
    }
    return text;
}

std::string DateExample(int format) {
    return DateText(LocalDateTime{1998, 3, 30, 0, 0, 0, 0}, format, true, 0);
}

std::string TimeExample(int format) {
    return TimeText(LocalDateTime{1998, 3, 30, 15, 4, 23, 0}, format, false);
}

}  // namespace tavrin
