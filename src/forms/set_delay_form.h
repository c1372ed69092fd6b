#pragma once
// "Set Delay": a pause of the macro in seconds or in milliseconds.
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

enum SetDelayKind { kDelaySeconds = 1, kDelayMilliseconds };
enum SetDelayField { kDelaySecondsField = 1, kDelayMillisecondsField };

struct SetDelayValues {
    int Kind = 0;
    double Value = 0;  // seconds or milliseconds, by the kind
};

struct SetDelayFields {
    int Kind = kDelaySeconds;
    std::string Seconds;       // at most 5 characters
    std::string Milliseconds;  // at most 4
};

SetDelayFields NewSetDelayFields();
SetDelayFields SetDelayFieldsOf(const SetDelayValues& values);
SetDelayValues SetDelayValuesOf(const TagMatch& tag);
CommandAnswer<SetDelayValues> AcceptSetDelay(const SetDelayFields& fields);

}  // namespace tavrin
