#pragma once
// Paced key presses: a target window drops keys that arrive faster than it
// takes them, so presses of keys that type something, and characters, are
// kept kKeyPace ms apart. Modifiers and the mask key, which type nothing, go
// at once. Placed above the modifier guard, the wait comes before the
// guard lets go of the user's keys, not while they are let go.
#include <cstdint>

#include "platform/message_pump.h"
#include "playback/input_filter.h"

namespace tavrin {

class KeyPace : public InputFilter {
public:
    // Milliseconds between two key presses.
    static constexpr int kKeyPace = 7;

    KeyPace(Input& input, MessagePump& pump) : InputFilter(input), pump_(pump) {}

    void Key(uint8_t virtualKey, bool up) override;
    void UnicodeCharacter(char c) override;

private:
    void Pace();

    MessagePump& pump_;
    uint64_t lastPress_ = 0;
};

}  // namespace tavrin
