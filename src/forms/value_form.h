#pragma once
// The value dialog's own modes: "Alt Keypad Sequence", the code of a
// character typed with Alt held on the keypad, and "Scheduler Frequency",
// the seconds between two looks of the scheduler.
#include <cstddef>
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

constexpr size_t kAltKeypadChars = 4;
constexpr size_t kSchedulerSecondsChars = 2;

struct AltKeypadValues {
    int Code = 0;
    bool FourDigits = false;  // "<ALT4:" rather than "<ALT:"
};

struct AltKeypadFields {
    std::string Number;  // "Keypad Numbers"
};

AltKeypadFields NewAltKeypadFields();
AltKeypadFields AltKeypadFieldsOf(const AltKeypadValues& values);
AltKeypadValues AltKeypadValuesOf(const TagMatch& match);
// Refuses a field that is no whole number (field 1).
CommandAnswer<AltKeypadValues> AcceptAltKeypad(const AltKeypadFields& fields);

struct SchedulerFrequencyValues {
    int Seconds = 0;
};

struct SchedulerFrequencyFields {
    std::string Seconds;  // "Check Every"
};

// current: the interval in force, which the field shows.
SchedulerFrequencyFields NewSchedulerFrequencyFields(int current);
// Refuses seconds outside 1 to 60 (field 1); the result text is the
// number of seconds.
CommandAnswer<SchedulerFrequencyValues> AcceptSchedulerFrequency(
    const SchedulerFrequencyFields& fields);

}  // namespace tavrin
