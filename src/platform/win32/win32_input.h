#pragma once
#include "platform/input.h"
#include "platform/message_pump.h"

namespace tavrin {

// Input injected with keybd_event, SendInput and mouse_event. Key presses are
// paced: a target window drops keys that arrive faster than it takes them.
// Modifiers and the mask key, which type nothing, are not.
class Win32Input : public Input {
public:
    // Milliseconds between two key presses.
    static constexpr int kKeyPace = 7;

    explicit Win32Input(MessagePump& pump) : pump_(pump) {}

    void Key(uint8_t virtualKey, bool up) override;
    void UnicodeCharacter(char c) override;
    int16_t KeyScan(char c) override;
    void Mouse(uint32_t flags, int32_t dx, int32_t dy, int32_t data) override;
    ScreenPoint CursorPos() override;
    ScreenPoint ForegroundWindowOrigin() override;
    int ScreenWidth() override;
    int ScreenHeight() override;

private:
    void Pace();

    MessagePump& pump_;
    uint64_t lastPress_ = 0;
};

}  // namespace tavrin
