#pragma once
// The text a date or time tag types: the tag's format code with each of its
// parts filled in from the clock, in fixed English names.
#include <string>

#include "base/day_number.h"

namespace tavrin {

// format indexes kDateFormatCodes; dayOffset days later (earlier when
// negative) than now.
std::string DateText(const LocalDateTime& now, int format, bool leadingZeros, int dayOffset);
// format indexes kTimeFormatCodes; the hour has two digits with
// leadingZeroHour, minutes and seconds always.
std::string TimeText(const LocalDateTime& now, int format, bool leadingZeroHour);

// The examples the dialogs show beside each format: Monday 30 March 1998,
// with leading zeros, and 15:04:23 without.
std::string DateExample(int format);
std::string TimeExample(int format);

}  // namespace tavrin
