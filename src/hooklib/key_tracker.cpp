#include "hooklib/key_tracker.h"

namespace tavrin {
namespace {

constexpr int kModifierKeys[] = {VK_SHIFT,  VK_CONTROL,  VK_MENU,  VK_LSHIFT, VK_RSHIFT,
                                 VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU,  VK_LWIN,
                                 VK_RWIN};

HKL FrontLayout() {
    return GetKeyboardLayout(GetWindowThreadProcessId(GetForegroundWindow(), nullptr));
}

}  // namespace

void KeyTracker::Resync() {
    down_.reset();
    for (int vk : kModifierKeys)
        if (GetAsyncKeyState(vk) & 0x8000) down_.set(static_cast<size_t>(vk));
    capsLock_ = (GetKeyState(VK_CAPITAL) & 1) != 0;
    deadKeyPending_ = false;
}

bool KeyTracker::Record(DWORD vk, bool down) {
    if (vk >= down_.size()) return false;
    // The hooks miss the releases of keys held while a secure desktop is in
    // front (Ctrl+Alt+Del, Win+L). The system's state of the modifiers
    // pressed before this key is up to date, so a modifier it has seen
    // released is let go here too.
    if (down)
        for (int m : kModifierKeys)
            if (static_cast<DWORD>(m) != vk && Down(m) && !(GetAsyncKeyState(m) & 0x8000))
                down_.reset(static_cast<size_t>(m));
    const bool repeat = down && down_.test(vk);
    down_.set(vk, down);
    if (vk == VK_CAPITAL && down && !repeat) capsLock_ = !capsLock_;
    return repeat;
}

// The hook normally reports the left and right keys; injected input may
// carry the generic ones.
bool KeyTracker::Ctrl() const { return Down(VK_CONTROL) || Down(VK_LCONTROL) || Down(VK_RCONTROL); }
bool KeyTracker::Alt() const { return Down(VK_MENU) || Down(VK_LMENU) || Down(VK_RMENU); }
bool KeyTracker::Shift() const { return Down(VK_SHIFT) || Down(VK_LSHIFT) || Down(VK_RSHIFT); }
bool KeyTracker::Win() const { return Down(VK_LWIN) || Down(VK_RWIN); }

Typed KeyTracker::Translate(DWORD vk, DWORD scanCode) {
    const HKL layout = FrontLayout();
    // A dead key is left alone: translating it here would store it in the
    // translation state and spoil the character it composes.
    if (MapVirtualKeyExA(vk, MAPVK_VK_TO_CHAR, layout) & 0x80000000u) {
        deadKeyPending_ = true;
        return {Typed::Composed};
    }
    BYTE state[256] = {};
    auto press = [&](int key, bool on) {
        if (on) state[key] = 0x80;
    };
    press(VK_SHIFT, Shift());
    press(VK_LSHIFT, Down(VK_LSHIFT));
    press(VK_RSHIFT, Down(VK_RSHIFT));
    press(VK_CONTROL, Ctrl());
    press(VK_LCONTROL, Down(VK_LCONTROL));
    press(VK_RCONTROL, Down(VK_RCONTROL));
    press(VK_MENU, Alt());
    press(VK_LMENU, Down(VK_LMENU));
    press(VK_RMENU, Down(VK_RMENU));
    if (capsLock_) state[VK_CAPITAL] = 0x01;

    WORD out = 0;
    const int n = ToAsciiEx(vk, scanCode, state, &out, 0, layout);
    if (n < 0) {
        // Dead only with these modifiers: a second translation empties the
        // stored dead key again.
        ToAsciiEx(vk, scanCode, state, &out, 0, layout);
        deadKeyPending_ = true;
        return {Typed::Composed};
    }
    if (n == 0) return {};
    if (deadKeyPending_ || n > 1) {
        deadKeyPending_ = false;
        return {Typed::Composed};
    }
    return {Typed::Character, static_cast<char>(out & 0xFF)};
}

}  // namespace tavrin
