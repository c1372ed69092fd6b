#pragma once
// "Dates" and "Times": a format from the date or the time table, with or
// without leading zeros, and for dates a number of days into the future or
// the past. The result is the date or time tag; nothing is refused.
#include <cstddef>
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

constexpr size_t kDateDaysChars = 3;

struct DateTimeValues {
    int Format = 0;  // 1-based place in the date or time table
    bool LeadingZeros = true;
    bool Future = true;  // dates only
    int Days = 0;        // dates only
};

struct DateTimeFields {
    bool Dates = true;  // false for "Times"
    int Format = 0;     // the row chosen, from 1; 0 for none
    bool NoLeadingZeros = false;  // "Do not show leading zeros"
    bool Future = true;           // "&future", else "&past"
    std::string Days = "0";
};

// The number of formats in the dialog's list: 51 dates or 26 times.
int DateTimeFormatCount(bool dates);
// A row of the list: the format code and its example.
std::string DateTimeFormatCode(bool dates, int format);
std::string DateTimeFormatExample(bool dates, int format);

// format: the row preselected, 0 for none.
DateTimeFields NewDateTimeFields(bool dates, int format);
DateTimeFields DateTimeFieldsOf(bool dates, const DateTimeValues& values);
// A date tag for dates, a time tag for times; Format 0 for anything else.
DateTimeValues DateTimeValuesOf(bool dates, const TagMatch& match);
CommandAnswer<DateTimeValues> AcceptDateTime(const DateTimeFields& fields);

}  // namespace tavrin
