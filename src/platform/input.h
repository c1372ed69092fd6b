#pragma once
// Synthetic keyboard and mouse input, as the player injects it, and the
// little it needs to know about the pointer and the window in front.
#include <cstdint>

namespace tavrin {

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

class Input {
public:
    virtual ~Input() = default;
    // One key event of a virtual key (its scan code from the layout, never
    // the extended-key flag).
    virtual void Key(uint8_t virtualKey, bool up) = 0;
    // A character the layout has no key for, sent as a Unicode character
    // press and release; c is in the ANSI code page.
    virtual void UnicodeCharacter(char c) = 0;
    // The layout's key for c: shift state in the high byte, virtual key in the
    // low byte, -1 when there is none.
    virtual int16_t KeyScan(char c) = 0;
    // mouse_event flags, absolute or relative coordinates, wheel data.
    virtual void Mouse(uint32_t flags, int32_t dx, int32_t dy, int32_t data) = 0;
    virtual ScreenPoint CursorPos() = 0;
    // The top-left corner of the window in front.
    virtual ScreenPoint ForegroundWindowOrigin() = 0;
    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;
    // The macro that played has ended: keys it left down are no longer its
    // own. Nothing to do for plain input.
    virtual void MacroEnded() {}
};

// mouse_event flags the player uses.
namespace mouse {
constexpr uint32_t kMove = 0x0001;
constexpr uint32_t kLeftDown = 0x0002;
constexpr uint32_t kLeftUp = 0x0004;
constexpr uint32_t kRightDown = 0x0008;
constexpr uint32_t kRightUp = 0x0010;
constexpr uint32_t kMiddleDown = 0x0020;
constexpr uint32_t kMiddleUp = 0x0040;
constexpr uint32_t kWheel = 0x0800;
constexpr uint32_t kAbsolute = 0x8000;
}  // namespace mouse

}  // namespace tavrin
