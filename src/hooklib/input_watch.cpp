#include "hooklib/input_watch.h"

#include <cstdint>

#include "hooklib/zynhook.h"
#include "triggers/hot_key_codes.h"

namespace tavrin {
namespace {

constexpr DWORD kActivityInterval = 1000;  // ms between two activity reports
constexpr WORD kMaskKey = 0xE8;            // assigned to nothing

void Post(HWND to, UINT message, WPARAM wParam, LPARAM lParam) {
    if (to != nullptr) PostMessageA(to, message, wParam, lParam);
}

// Page Up, Page Down, End, Home and the arrows: the caret moves, so what was
// typed before it no longer ends where the next character goes.
bool MovesCaret(DWORD vk) { return vk >= VK_PRIOR && vk <= VK_DOWN; }

// The waits name Ctrl, Alt and Shift by their generic keys.
WPARAM GenericKey(DWORD vk) {
    switch (vk) {
    case VK_LSHIFT: case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL: case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU: case VK_RMENU: return VK_MENU;
    default: return vk;
    }
}

}  // namespace

bool InputWatch::OnKey(const KBDLLHOOKSTRUCT& key, bool down) {
    if (key.dwExtraInfo == kOwnInput) return false;
    const DWORD vk = key.vkCode;
    const bool injected = (key.flags & LLKHF_INJECTED) != 0;
    const bool repeat = keys_.Record(vk, down);
    if (!down) {
        if (vk >= swallowedKeys_.size() || !swallowedKeys_.test(vk)) return false;
        swallowedKeys_.reset(vk);
        return true;
    }

    const HookView v = table_.View();
    if (!injected) NoteActivity(v);
    if (injected && vk == kEndMarkerKey) {
        if (table_.TakeFlag(table::InUse)) Post(v.mainWindow, kMsgInUseCleared, 0, 0);
        if (table_.TakeFlag(table::WaitDrain)) Post(v.mainWindow, kMsgDrainCleared, 0, 0);
        return SwallowKey(vk);
    }
    if (vk == VK_CAPITAL && !repeat) Post(v.mainWindow, kMsgCapsLock, keys_.CapsLock(), 0);
    if (vk == kAbortKey && !injected) {
        if (!repeat) Post(v.mainWindow, kMsgAbort, 0, 0);
        if (v.inUse) return SwallowKey(vk);
    }
    // Injected input while InUse is the program's own playback.
    if (injected && v.inUse) return false;

    const int code = HotKeyCodeFor(static_cast<uint16_t>(vk), 0, keys_.Ctrl(), keys_.Alt(),
                                   keys_.Shift(), keys_.Win());
    if (TakeHotKey(code, repeat, true, v)) return SwallowKey(vk);
    if (v.waitKey && !repeat) Post(v.mainWindow, kMsgKeyPressed, GenericKey(vk), 0);
    if (v.hasQuillets || v.waitText) ReportTyping(key, v);
    return false;
}

bool InputWatch::OnMouse(WPARAM message, const MSLLHOOKSTRUCT& mouse) {
    if (mouse.dwExtraInfo == kOwnInput) return false;
    const bool injected = (mouse.flags & LLMHF_INJECTED) != 0;
    const HookView v = table_.View();
    if (!injected) NoteActivity(v);

    // The hook sees the buttons after the system applied a swap, so "left"
    // is always the primary button and ButtonsSwapped is not needed here.
    size_t button = 0;
    bool down = true;
    switch (message) {
    case WM_LBUTTONUP: down = false; [[fallthrough]];
    case WM_LBUTTONDOWN: button = 1; break;
    case WM_RBUTTONUP: down = false; [[fallthrough]];
    case WM_RBUTTONDOWN: button = 2; break;
    case WM_MBUTTONUP: down = false; [[fallthrough]];
    case WM_MBUTTONDOWN: button = 3; break;
    case WM_XBUTTONDOWN:
        if (!(injected && v.inUse)) ResetTyping(v);
        return false;
    default: return false;
    }
    if (!down) {
        if (!swallowedButtons_.test(button)) return false;
        swallowedButtons_.reset(button);
        return true;
    }
    if (injected && v.inUse) return false;

    const bool ctrl = keys_.Ctrl(), alt = keys_.Alt(), shift = keys_.Shift(), win = keys_.Win();
    const int code = HotKeyCodeFor(0, static_cast<uint16_t>(button), ctrl, alt, shift, win);
    // A plain click stays a click in the hot key dialog, so its list and
    // buttons can still be used while the entry field has the focus.
    if (TakeHotKey(code, false, ctrl || alt || shift || win, v)) {
        swallowedButtons_.set(button);
        return true;
    }
    if (v.waitClick) Post(v.mainWindow, kMsgMouseClicked, button, 0);
    ResetTyping(v);
    return false;
}

void InputWatch::OnForeground(HWND window) {
    if (window == lastFront_) return;
    lastFront_ = window;
    const HookView v = table_.View();
    Post(v.mainWindow, kMsgWindowActivated, reinterpret_cast<WPARAM>(window), 0);
    ResetTyping(v);
}

void InputWatch::OnProgramsChanged() {
    Post(table_.View().mainWindow, kMsgProgramsChanged, 0, 0);
}

void InputWatch::NoteActivity(const HookView& v) {
    if (!v.idleWatch) return;
    const DWORD now = GetTickCount();
    if (activitySent_ && now - lastActivity_ < kActivityInterval) return;
    activitySent_ = true;
    lastActivity_ = now;
    Post(v.mainWindow, kMsgUserActivity, 0, 0);
}

void InputWatch::ReportTyping(const KBDLLHOOKSTRUCT& key, const HookView& v) {
    // Alt (without the Ctrl of AltGr) and Win make shortcuts, which type
    // nothing and may move the focus.
    const bool shortcut = (keys_.Alt() && !keys_.Ctrl()) || keys_.Win();
    if (MovesCaret(key.vkCode) || (shortcut && !KeyTracker::IsModifier(key.vkCode))) {
        ResetTyping(v);
        return;
    }
    const Typed typed = keys_.Translate(key.vkCode, key.scanCode);
    if (typed.kind == Typed::None) return;
    if (typed.kind == Typed::Composed) {
        ResetTyping(v);
        return;
    }
    const auto c = static_cast<LPARAM>(static_cast<uint8_t>(typed.character));
    if (v.hasQuillets) Post(v.mainWindow, kMsgQuillet, keys_.CapsLock() ? kQuilletCapsOn : 0, c);
    if (v.waitText) Post(v.mainWindow, kMsgTextTyped, 0, c);
}

void InputWatch::ResetTyping(const HookView& v) {
    if (v.hasQuillets) Post(v.mainWindow, kMsgQuillet, kTypingReset, 0);
    if (v.waitText) Post(v.mainWindow, kMsgTextTyped, kTypingReset, 0);
}

bool InputWatch::TakeHotKey(int code, bool repeat, bool entryAllowed, const HookView& v) {
    if (code < 0) return false;
    if (v.keyEntryOn) {
        if (!entryAllowed) return false;
        if (!repeat) Post(v.keyEntryWindow, kMsgKeyEntry, static_cast<WPARAM>(code), 0);
    } else {
        if (!table_.HotKeyUsed(code)) return false;
        if (!repeat) {
            const WPARAM w = static_cast<WPARAM>(code) | (keys_.CapsLock() ? kCapsLockBit : 0);
            Post(v.mainWindow, kMsgHotKey, w, reinterpret_cast<LPARAM>(GetForegroundWindow()));
        }
    }
    if (!repeat && (keys_.Alt() || keys_.Win())) PostThreadMessageA(maskThread_, kMaskMessage, 0, 0);
    return true;
}

bool InputWatch::SwallowKey(DWORD vk) {
    if (vk < swallowedKeys_.size()) swallowedKeys_.set(vk);
    return true;
}

void MaskMenuKey() {
    INPUT in[2] = {};
    for (INPUT& i : in) {
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = kMaskKey;
        i.ki.dwExtraInfo = kOwnInput;
    }
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

}  // namespace tavrin
