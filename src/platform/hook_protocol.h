#pragma once
// The messages ZYNHOOK.DLL posts to the program and the values carried in
// them. The library and the program both take them from here.
#include <cstdint>

#include "platform/virtual_keys.h"

namespace tavrin {

// Messages the library posts (WM_USER + 1 .. WM_USER + 17). All go to the
// table's MainWindow except kMsgKeyEntry, which goes to KeyEntryWindow, and
// the capture messages, which go to CaptureWindow while CaptureWindowOn.
// 0x408 and 0x40A are not used.
enum HookMessage : uint32_t {
    kMsgKeyEntry = 0x401,         // wParam: hot key code pressed while KeyEntryOn
    kMsgHotKey = 0x402,           // wParam: code + kCapsLockBit; lParam: front window
    kMsgCaptureText = 0x403,      // wParam: macro number; lParam: next character
    kMsgCaptureEnded = 0x404,     // wParam: macro number
    kMsgAbort = 0x405,            // the user pressed the abort key
    kMsgQuillet = 0x406,          // wParam: kTypingReset or kQuilletCapsOn / 0; lParam: character
    kMsgWindowActivated = 0x407,  // wParam: the window
    kMsgCapsLock = 0x409,         // wParam: non-zero when Caps Lock is now on
    kMsgUserActivity = 0x40B,     // at most one a second, while IdleWatch
    kMsgInUseCleared = 0x40C,     // the end marker arrived while InUse
    kMsgProgramsChanged = 0x40D,  // the set of running processes changed
    kMsgMouseClicked = 0x40E,     // wParam: 1 left, 2 right, 3 middle
    kMsgKeyPressed = 0x40F,       // wParam: virtual key
    kMsgTextTyped = 0x410,        // wParam: kTypingReset or 0; lParam: character, 8 backspace
    kMsgDrainCleared = 0x411,     // the end marker arrived while WaitDrain
};

// wParam of kMsgHotKey: Caps Lock was on when the hot key was pressed.
constexpr uint32_t kCapsLockBit = 0x8000;
// wParam of kMsgHotKey from a popup menu's tray icon: the rest is a macro
// number, not a hot key code.
constexpr uint32_t kTrayMenuBit = 0x4000;
// wParam of kMsgQuillet and kMsgTextTyped: forget what was typed so far.
constexpr uint32_t kTypingReset = 1;
// wParam of kMsgQuillet: the character came with Caps Lock on.
constexpr uint32_t kQuilletCapsOn = 2;

// The program injects a press and release of this key after its own playback.
constexpr uint8_t kEndMarkerKey = 43;
// The Pause key, pressed by the user (not injected), aborts playback.
constexpr uint8_t kAbortKey = 19;

// ZynHeldModifiers: the modifier keys the user holds down on the keyboard,
// one bit each. Input injected by any program does not count.
struct HeldKey {
    uint32_t bit;
    uint8_t virtualKey;
};
constexpr HeldKey kHeldKeys[] = {
    {0x01, vk::kLeftShift}, {0x02, vk::kRightShift}, {0x04, vk::kLeftCtrl},
    {0x08, vk::kRightCtrl}, {0x10, vk::kLeftAlt},    {0x20, vk::kRightAlt},
    {0x40, vk::kLeftWin},   {0x80, vk::kRightWin},
};
// The bits a modifier key stands for: its own, or both sides for the generic
// Shift, Ctrl and Alt keys; 0 for any other key.
constexpr uint32_t HeldKeyBits(uint32_t key) {
    switch (key) {
    case vk::kShift: return 0x01 | 0x02;
    case vk::kCtrl: return 0x04 | 0x08;
    case vk::kAlt: return 0x10 | 0x20;
    default: break;
    }
    for (const HeldKey& h : kHeldKeys)
        if (h.virtualKey == key) return h.bit;
    return 0;
}
// The Alt and Win bits: a menu opens when one of them is released with no
// key pressed since it went down.
constexpr uint32_t kHeldMenuKeys = 0x10 | 0x20 | 0x40 | 0x80;

}  // namespace tavrin
