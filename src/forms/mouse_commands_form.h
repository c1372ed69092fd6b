#pragma once
// "Mouse Commands": a move of the pointer, a button action or turns of the
// wheel.
#include <cstddef>
#include <string>

#include "forms/command_fields.h"
#include "language/tag_recogniser.h"

namespace tavrin {

constexpr int kMouseMove = 1;            // kinds 2 to 13 are the button actions
constexpr int kMouseWheelForward = 14;
constexpr int kMouseWheelBackward = 15;
constexpr int kMouseKinds = 15;

// What a move is relative to.
constexpr int kRelativeToScreen = 1;
constexpr int kRelativeToWindow = 2;
constexpr int kRelativeToLast = 3;

constexpr size_t kMousePositionChars = 5;
constexpr size_t kWheelClicksChars = 3;

// The fields a refusal gives the focus to.
enum MouseField { kMouseXField = 1, kMouseYField, kWheelClicksField };

struct MouseValues {
    int Kind = 0;  // 1 to kMouseKinds
    int X = 0;
    int Y = 0;
    int Clicks = 0;                      // wheel kinds
    int RelativeTo = kRelativeToWindow;  // the move's; a window for the other kinds
};

struct MouseFields {
    int Kind = 0;  // the choice checked; 0 for none
    int RelativeTo = kRelativeToScreen;
    std::string X, Y, Clicks;
};

// Which panel stands beside the choices.
enum class MousePanel { None, Movement, Wheel };
MousePanel MousePanelOf(int kind);

MouseFields NewMouseFields();
// The new command's fields with what the values of an edit hold.
MouseFields MouseFieldsOf(const MouseValues& values);
MouseValues MouseValuesOf(const TagMatch& match);

CommandAnswer<MouseValues> AcceptMouse(const MouseFields& fields);

}  // namespace tavrin
