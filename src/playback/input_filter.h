#pragma once
// Input that passes everything on to the input below it: a filter in the
// chain of playback input overrides only what it changes.
#include "platform/input.h"

namespace tavrin {

class InputFilter : public Input {
public:
    explicit InputFilter(Input& next) : next_(next) {}

    void Key(uint8_t virtualKey, bool up) override { next_.Key(virtualKey, up); }
    void UnicodeCharacter(char c) override { next_.UnicodeCharacter(c); }
    int16_t KeyScan(char c) override { return next_.KeyScan(c); }
    void Mouse(uint32_t flags, int32_t dx, int32_t dy, int32_t data) override {
        next_.Mouse(flags, dx, dy, data);
    }
    ScreenPoint CursorPos() override { return next_.CursorPos(); }
    ScreenPoint ForegroundWindowOrigin() override { return next_.ForegroundWindowOrigin(); }
    int ScreenWidth() override { return next_.ScreenWidth(); }
    int ScreenHeight() override { return next_.ScreenHeight(); }
    void MacroEnded() override { next_.MacroEnded(); }

protected:
    Input& next_;
};

}  // namespace tavrin
