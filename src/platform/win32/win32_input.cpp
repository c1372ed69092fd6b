#include "platform/win32/win32_input.h"

#include <windows.h>

namespace tavrin {

void Win32Input::Key(uint8_t virtualKey, bool up) {
    keybd_event(virtualKey, static_cast<BYTE>(MapVirtualKeyA(virtualKey, 0)),
                up ? KEYEVENTF_KEYUP : 0, 0);
}

void Win32Input::UnicodeCharacter(char c) {
    wchar_t wide = 0;
    if (MultiByteToWideChar(CP_ACP, 0, &c, 1, &wide, 1) != 1) return;
    INPUT events[2] = {};
    for (INPUT& e : events) {
        e.type = INPUT_KEYBOARD;
        e.ki.wScan = wide;
        e.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    events[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, events, sizeof(INPUT));
}

int16_t Win32Input::KeyScan(char c) { return VkKeyScanA(c); }

void Win32Input::Mouse(uint32_t flags, int32_t dx, int32_t dy, int32_t data) {
    mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), static_cast<DWORD>(data),
                0);
}

ScreenPoint Win32Input::CursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

ScreenPoint Win32Input::ForegroundWindowOrigin() {
    RECT r{};
    GetWindowRect(GetForegroundWindow(), &r);
    return {r.left, r.top};
}

int Win32Input::ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int Win32Input::ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

}  // namespace tavrin
