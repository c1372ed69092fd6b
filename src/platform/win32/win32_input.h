#pragma once
#include "platform/input.h"

namespace tavrin {

// Input injected with keybd_event, SendInput and mouse_event, as it comes
// (KeyPace spaces the presses out).
class Win32Input : public Input {
public:
    void Key(uint8_t virtualKey, bool up) override;
    void UnicodeCharacter(char c) override;
    int16_t KeyScan(char c) override;
    void Mouse(uint32_t flags, int32_t dx, int32_t dy, int32_t data) override;
    ScreenPoint CursorPos() override;
    ScreenPoint ForegroundWindowOrigin() override;
    int ScreenWidth() override;
    int ScreenHeight() override;
};

}  // namespace tavrin
