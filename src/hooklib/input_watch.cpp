#include "hooklib/input_watch.h"

#include "hooklib/remap_hook.h"

#include "platform/virtual_keys.h"
#include "platform/win32/window_id.h"

namespace tavrin {
namespace {

// The event being decided on, for what the decision asks only when it needs
// it. A mouse event has no key to translate.
class HookEventContext : public EventContext {
public:
    HookEventContext(KeyTracker& keys, const KBDLLHOOKSTRUCT* key) : keys_(keys), key_(key) {}
    // Translated once: the capture asks after the decision did.
    Typed Translate() override {
        if (!translated_ && key_ != nullptr) typed_ = keys_.Translate(key_->vkCode, key_->scanCode);
        translated_ = true;
        return typed_;
    }
    WindowId Foreground() override { return ToId(GetForegroundWindow()); }
    bool OwnWindowInFront() override {
        DWORD process = 0;
        GetWindowThreadProcessId(GetForegroundWindow(), &process);
        return process == GetCurrentProcessId();
    }

private:
    KeyTracker& keys_;
    const KBDLLHOOKSTRUCT* key_;
    bool translated_ = false;
    Typed typed_;
};

}  // namespace

void InputWatch::ResyncKeys() {
    keys_.Resync();
    decision_.ResetKeys();
    heldKeys_.store(0);
}

KeyModifiers InputWatch::Modifiers() const {
    return {keys_.Ctrl(), keys_.Alt(), keys_.Shift(), keys_.Win()};
}

bool InputWatch::OnKey(const KBDLLHOOKSTRUCT& key, bool down) {
    if (key.dwExtraInfo == kOwnInput) {
        // The remapper's replacements are what the user typed, for a capture.
        if (key.vkCode == VK_PACKET) {
            HookEventContext context(keys_, &key);
            capture_.RecordKey(key, down, false, context);
        }
        return false;
    }
    KeyEvent e;
    e.virtualKey = key.vkCode;
    e.down = down;
    e.injected = (key.flags & LLKHF_INJECTED) != 0;
    e.repeat = keys_.Record(key.vkCode, down);
    e.modifiers = Modifiers();
    e.capsLock = keys_.CapsLock();
    e.time = GetTickCount();
    HookEventContext context(keys_, &key);
    if (capture_.StopsOnKey(key, down, e.modifiers)) return StopKeyTaken(e.modifiers, down);
    const HookOutcome outcome = decision_.OnKey(table_.View(), e, context);
    if (outcome.heldBack) keys_.HeldBack(key.vkCode);
    const bool swallow = Perform(outcome);
    // A key the remapper replaces is recorded as its replacement, which
    // comes as the remapper's own input.
    if (down && !swallow && !e.injected && !e.modifiers.ctrl && !e.modifiers.alt &&
        !e.modifiers.win && capture_.Recording()) {
        const Typed typed = context.Translate();
        if (typed.kind == Typed::Character && RemapReplaces(typed.character)) return false;
    }
    capture_.RecordKey(key, down, swallow, context);
    return swallow;
}

bool InputWatch::OnMouse(WPARAM message, const MSLLHOOKSTRUCT& mouse) {
    if (mouse.dwExtraInfo == kOwnInput) return false;
    // The hook sees the buttons after the system applied a swap, so "left"
    // is always the primary button and ButtonsSwapped is not needed here.
    MouseEvent e;
    switch (message) {
    case WM_LBUTTONUP: e.down = false; [[fallthrough]];
    case WM_LBUTTONDOWN: e.button = 1; break;
    case WM_RBUTTONUP: e.down = false; [[fallthrough]];
    case WM_RBUTTONDOWN: e.button = 2; break;
    case WM_MBUTTONUP: e.down = false; [[fallthrough]];
    case WM_MBUTTONDOWN: e.button = 3; break;
    case WM_XBUTTONDOWN: e.button = MouseEvent::kXButton; break;
    default: break;
    }
    e.injected = (mouse.flags & LLMHF_INJECTED) != 0;
    e.modifiers = Modifiers();
    e.capsLock = keys_.CapsLock();
    e.time = GetTickCount();
    HookEventContext context(keys_, nullptr);
    if (capture_.StopsOnMouse(message, e.modifiers)) return StopKeyTaken(e.modifiers, e.down);
    const bool swallow = Perform(decision_.OnMouse(table_.View(), e, context));
    capture_.RecordMouse(message, mouse, swallow);
    return swallow;
}

bool InputWatch::StopKeyTaken(const KeyModifiers& m, bool down) {
    // As for a hot key: releasing its Alt or Win must open no menu.
    if (down && (m.alt || m.win)) PostThreadMessageA(maskThread_, kMaskMessage, 0, 0);
    return true;
}

void InputWatch::WatchForeground() { decision_.SetFront(ToId(GetForegroundWindow())); }

void InputWatch::OnForeground(HWND window) {
    Perform(decision_.OnForeground(table_.View(), ToId(window)));
}

void InputWatch::OnProgramsChanged() { Perform(decision_.OnProgramsChanged(table_.View())); }

bool InputWatch::Perform(const HookOutcome& outcome) {
    for (const HookAction& a : outcome.actions) {
        switch (a.kind) {
        case HookAction::TakeFlag:
            if (!table_.TakeFlag(a.flag)) break;
            [[fallthrough]];
        case HookAction::Post:
            if (a.window != 0)
                PostMessageA(ToHwnd(a.window), a.message, static_cast<WPARAM>(a.wParam),
                             static_cast<LPARAM>(a.lParam));
            break;
        case HookAction::MaskKey:
            PostThreadMessageA(maskThread_, kMaskMessage, static_cast<WPARAM>(a.wParam), 0);
            break;
        }
    }
    heldKeys_.store(decision_.HeldKeys());
    return outcome.swallow;
}

void MaskMenuKey(WORD release) {
    INPUT in[3] = {};
    for (INPUT& i : in) {
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk::kMask;
        i.ki.dwFlags = KEYEVENTF_KEYUP;
        i.ki.dwExtraInfo = kOwnInput;
    }
    in[0].ki.dwFlags = 0;
    in[2].ki.wVk = release;
    SendInput(release != 0 ? 3 : 2, in, sizeof(INPUT));
}

}  // namespace tavrin
