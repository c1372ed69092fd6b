#pragma once
// "Pause Window": a pause in the standard pause window, or one with a
// message of its own, its window at a place given.
#include <cstddef>
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

constexpr int kBasicPause = 1;
constexpr int kComplexPause = 2;

constexpr size_t kPauseCoordinateChars = 3;
constexpr size_t kPauseMessageChars = 180;

// The fields a refusal gives the focus to.
enum PauseField { kPauseTopField = 1, kPauseLeftField };

struct PauseValues {
    int Kind = 0;
    int Top = 0;
    int Left = 0;
    std::string Message;  // trimmed
};

struct PauseFields {
    int Kind = 0;  // the choice checked; 0 for none
    std::string Top, Left, Message;
};

PauseFields NewPauseFields();
// The new command's fields with what the values of an edit hold.
PauseFields PauseFieldsOf(const PauseValues& values);
PauseValues PauseValuesOf(const TagMatch& match);

CommandAnswer<PauseValues> AcceptPause(const PauseFields& fields);

}  // namespace tavrin
