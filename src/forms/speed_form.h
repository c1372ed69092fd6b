#pragma once
// "Speed": the pause before each keystroke or mouse action, or the speed
// factor of the whole playback.
#include <cstddef>
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

constexpr int kKeyboardSpeed = 1;
constexpr int kMouseSpeed = 2;
constexpr int kMacroSpeed = 3;

constexpr size_t kSpeedChars = 4;
constexpr int kSpeedField = 1;  // the one field a refusal gives the focus to

struct SpeedValues {
    int Kind = 0;
    int Milliseconds = 0;  // 0 for the macro speed
    double Factor = 1.0;   // 1.0 for the keyboard and mouse speeds
};

struct SpeedFields {
    int Kind = 0;  // the choice checked; 0 for none
    std::string Value;
};

// The label of the field for the choice.
const char* SpeedLabel(int kind);

SpeedFields NewSpeedFields();
SpeedFields SpeedFieldsOf(const SpeedValues& values);
SpeedValues SpeedValuesOf(const TagMatch& match);

CommandAnswer<SpeedValues> AcceptSpeed(const SpeedFields& fields);

}  // namespace tavrin
