#include "hooklib/key_tracker.h"

#include "capture/dead_keys.h"

namespace tavrin {
namespace {

constexpr int kModifierKeys[] = {VK_SHIFT,  VK_CONTROL,  VK_MENU,  VK_LSHIFT, VK_RSHIFT,
                                 VK_LCONTROL, VK_RCONTROL, VK_LMENU, VK_RMENU,  VK_LWIN,
                                 VK_RWIN};

HKL FrontLayout() {
    return GetKeyboardLayout(GetWindowThreadProcessId(GetForegroundWindow(), nullptr));
}

// The ANSI character of a wide one, 0 when the code page has none.
char Ansi(wchar_t w) {
    char c = 0;
    BOOL lost = FALSE;
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &w, 1, &c, 1, nullptr, &lost) != 1 ||
        lost)
        return 0;
    return c;
}

wchar_t Wide(char c) {
    wchar_t w = 0;
    return MultiByteToWideChar(CP_ACP, 0, &c, 1, &w, 1) == 1 ? w : 0;
}

Typed CharacterOf(char c, char before = 0) { return {Typed::Character, c, before}; }

}  // namespace

void KeyTracker::Resync() {
    down_.reset();
    heldBack_.reset();
    for (int vk : kModifierKeys)
        if (GetAsyncKeyState(vk) & 0x8000) down_.set(static_cast<size_t>(vk));
    capsLock_ = (GetKeyState(VK_CAPITAL) & 1) != 0;
    dead_ = 0;
}

bool KeyTracker::Record(DWORD vk, bool down) {
    if (vk >= down_.size()) return false;
    // The hooks miss the releases of keys held while a secure desktop is in
    // front (Ctrl+Alt+Del, Win+L). The system's state of the modifiers
    // pressed before this key is up to date, so a modifier it has seen
    // released is let go here too, unless the hook kept its press from the
    // system.
    if (down)
        for (int m : kModifierKeys)
            if (static_cast<DWORD>(m) != vk && Down(m) && !heldBack_.test(static_cast<size_t>(m)) &&
                !(GetAsyncKeyState(m) & 0x8000))
                down_.reset(static_cast<size_t>(m));
    const bool repeat = down && down_.test(vk);
    down_.set(vk, down);
    if (!down) heldBack_.reset(vk);
    if (vk == VK_CAPITAL && down && !repeat) capsLock_ = !capsLock_;
    return repeat;
}

void KeyTracker::HeldBack(DWORD vk) {
    if (vk < heldBack_.size()) heldBack_.set(vk);
}

// The hook normally reports the left and right keys; injected input may
// carry the generic ones.
bool KeyTracker::Ctrl() const { return Down(VK_CONTROL) || Down(VK_LCONTROL) || Down(VK_RCONTROL); }
bool KeyTracker::Alt() const { return Down(VK_MENU) || Down(VK_LMENU) || Down(VK_RMENU); }
bool KeyTracker::Shift() const { return Down(VK_SHIFT) || Down(VK_LSHIFT) || Down(VK_RSHIFT); }
bool KeyTracker::Win() const { return Down(VK_LWIN) || Down(VK_RWIN); }

Typed KeyTracker::DeadKey(wchar_t own) {
    if (dead_ == 0) {
        dead_ = own;
        return {Typed::Composed};
    }
    // Two dead keys type both their characters.
    const char first = Ansi(dead_);
    dead_ = 0;
    return CharacterOf(Ansi(own), first);
}

Typed KeyTracker::AfterDeadKey(char c) {
    const wchar_t dead = dead_;
    dead_ = 0;
    const wchar_t base = Wide(c);
    if (base == L' ') return CharacterOf(Ansi(dead));  // the accent on its own
    if (const uint16_t accent = CombiningAccentOf(static_cast<uint16_t>(dead))) {
        // The translation may have composed it already.
        wchar_t parts[4] = {};
        if (FoldStringW(MAP_COMPOSITE, &base, 1, parts, 4) == 2 && parts[1] == accent)
            return CharacterOf(c);
        const wchar_t pair[2] = {base, static_cast<wchar_t>(accent)};
        wchar_t composed[4] = {};
        if (FoldStringW(MAP_PRECOMPOSED, pair, 2, composed, 4) == 1) {
            if (const char a = Ansi(composed[0])) return CharacterOf(a);
        }
    }
    return CharacterOf(c, Ansi(dead));
}

Typed KeyTracker::Translate(DWORD vk, DWORD scanCode) {
    // A character typed as itself (SendInput's Unicode input) carries it in
    // the scan code.
    if (vk == VK_PACKET) return CharacterOf(Ansi(static_cast<wchar_t>(scanCode)));
    const HKL layout = FrontLayout();
    // A dead key pressed on its own is left alone: translating it here
    // would store it in the translation state and spoil the character it
    // composes. With a modifier the key may type a plain character, which
    // the translation below tells.
    const UINT mapped = MapVirtualKeyExW(vk, MAPVK_VK_TO_CHAR, layout);
    if ((mapped & 0x80000000u) && !Shift() && !Ctrl() && !Alt())
        return DeadKey(static_cast<wchar_t>(mapped & 0xFFFF));
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
        // Dead with these modifiers: a second translation empties the
        // stored dead key again, and gives its character.
        ToAsciiEx(vk, scanCode, state, &out, 0, layout);
        return DeadKey(Wide(static_cast<char>(out & 0xFF)));
    }
    if (n == 0) return {};
    const char c = static_cast<char>((n > 1 ? out >> 8 : out) & 0xFF);
    if (dead_ != 0) return AfterDeadKey(c);
    return CharacterOf(c, n > 1 ? static_cast<char>(out & 0xFF) : 0);
}

}  // namespace tavrin
