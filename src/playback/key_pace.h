#pragma once
// Paced key presses: a target window drops keys that arrive faster than it
// takes them, so presses of keys that type something, and characters, are
// kept kKeyPace ms apart. Modifiers and the mask key, which type nothing, go
// at once. Placed above the modifier guard, the wait comes before the
// guard lets go of the user's keys, not while they are let go.
#include <cstdint>

#include "platform/input.h"
#include "platform/message_pump.h"

namespace tavrin {

class KeyPace : public Input {
public:
    // Milliseconds between two key presses.
    static constexpr int kKeyPace = 7;

    KeyPace(Input& input, MessagePump& pump) : input_(input), pump_(pump) {}

    void Key(uint8_t virtualKey, bool up) override;
    void UnicodeCharacter(char c) override;
    int16_t KeyScan(char c) override { return input_.KeyScan(c); }
    void Mouse(uint32_t flags, int32_t dx, int32_t dy, int32_t data) override {
        input_.Mouse(flags, dx, dy, data);
    }
    ScreenPoint CursorPos() override { return input_.CursorPos(); }
    ScreenPoint ForegroundWindowOrigin() override { return input_.ForegroundWindowOrigin(); }
    int ScreenWidth() override { return input_.ScreenWidth(); }
    int ScreenHeight() override { return input_.ScreenHeight(); }
    void MacroEnded() override { input_.MacroEnded(); }

private:
    void Pace();

    Input& input_;
    MessagePump& pump_;
    uint64_t lastPress_ = 0;
};

}  // namespace tavrin
