#pragma once
// "Repeat Options": the start of a repeated block (counted, or asked for
// when the macro plays), its end, and the counter typed inside it.
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

enum RepeatOptionsKind { kRepeatStart = 1, kRepeatPrompt, kRepeatEnd, kRepeatCounter };
enum RepeatOptionsField { kRepeatCountField = 1, kRepeatStartField, kRepeatStepField };

struct RepeatOptionsValues {
    int Kind = 0;
    int Count = 0;  // the count, or the counter's width
    int CounterStart = 1;
    int CounterStep = 1;
};

struct RepeatOptionsFields {
    int Kind = kRepeatStart;
    std::string Count;  // "Repeat Count" or "Counter Width", at most 4 characters
    std::string CounterStart;  // at most 6
    std::string CounterStep;   // at most 6
};

RepeatOptionsFields NewRepeatOptionsFields();
RepeatOptionsFields RepeatOptionsFieldsOf(const RepeatOptionsValues& values);
RepeatOptionsValues RepeatOptionsValuesOf(const TagMatch& tag);
CommandAnswer<RepeatOptionsValues> AcceptRepeatOptions(const RepeatOptionsFields& fields);

}  // namespace tavrin
