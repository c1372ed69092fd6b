#include "triggers/hook_decision.h"

#include "platform/hook_protocol.h"
#include "platform/virtual_keys.h"
#include "store/hot_key_codes.h"

namespace tavrin {
namespace {

// Page Up, Page Down, End, Home and the arrows: the caret moves, so what was
// typed before it no longer ends where the next character goes.
bool MovesCaret(uint32_t key) { return key >= vk::kPageUp && key <= vk::kDownArrow; }

// The waits name Ctrl, Alt and Shift by their generic keys.
uint32_t GenericKey(uint32_t key) {
    switch (key) {
    case vk::kLeftShift: case vk::kRightShift: return vk::kShift;
    case vk::kLeftCtrl: case vk::kRightCtrl: return vk::kCtrl;
    case vk::kLeftAlt: case vk::kRightAlt: return vk::kAlt;
    default: return key;
    }
}

void Post(HookOutcome& out, WindowId to, uint32_t message, uint64_t wParam = 0,
          int64_t lParam = 0) {
    if (to != 0) out.actions.push_back({HookAction::Post, to, message, wParam, lParam, 0});
}

HookOutcome Swallowed(HookOutcome out) {
    out.swallow = true;
    return out;
}

// The modifiers m with those of the held keys bits as well.
KeyModifiers WithHeld(KeyModifiers m, uint32_t bits) {
    m.shift = m.shift || (bits & HeldKeyBits(vk::kShift)) != 0;
    m.ctrl = m.ctrl || (bits & HeldKeyBits(vk::kCtrl)) != 0;
    m.alt = m.alt || (bits & HeldKeyBits(vk::kAlt)) != 0;
    m.win = m.win || (bits & (HeldKeyBits(vk::kLeftWin) | HeldKeyBits(vk::kRightWin))) != 0;
    return m;
}

}  // namespace

void HookDecision::ResetKeys() { heldKeys_ = releasedByPlayback_ = 0; }

HookOutcome HookDecision::OnKey(const HookView& v, const KeyEvent& e, EventContext& context) {
    HookOutcome out;
    const uint32_t key = e.virtualKey;
    const bool known = key < swallowedKeys_.size();
    const uint32_t bits = HeldKeyBits(key);
    // While a hot key's macro types, the Shift, Ctrl, Alt and Win keys the
    // user presses are kept from the system, so none of them can come in
    // between the moment playback looks at the keyboard and its next key,
    // and turn that key into a shortcut. Their releases pass: lifting a key
    // is always safe. In the program's own windows (the pause window, a
    // prompt) they work as always.
    const bool heldBack =
        !e.injected && e.down && bits != 0 && v.inUse && !context.OwnWindowInFront();
    if (e.injected) {
        // Playback letting go of a key the user holds lifts no finger.
        if (e.down) {
            releasedByPlayback_ &= ~bits;
        } else {
            releasedByPlayback_ |= bits & heldKeys_;
        }
    } else if (e.down) {
        // The hooks miss the releases of keys held while a secure desktop is
        // in front; the tracked modifiers have let go of those already, and
        // of the ones playback let go of, which the user still holds.
        const KeyModifiers& m = e.modifiers;
        heldKeys_ &= (m.shift ? HeldKeyBits(vk::kShift) : 0) |
                     (m.ctrl ? HeldKeyBits(vk::kCtrl) : 0) | (m.alt ? HeldKeyBits(vk::kAlt) : 0) |
                     (m.win ? HeldKeyBits(vk::kLeftWin) | HeldKeyBits(vk::kRightWin) : 0) |
                     releasedByPlayback_;
        if (!heldBack) heldKeys_ |= bits;
    } else {
        heldKeys_ &= ~bits;
        releasedByPlayback_ &= ~bits;
    }
    if (!e.down) {
        // The user lets go of an Alt or Win just as playback pressed it again
        // for him: alone, the two would open a menu.
        if (!e.injected && (playedMenuKey_ & HeldKeyBits(key))) {
            playedMenuKey_ = 0;
            out.actions.push_back({HookAction::MaskKey, 0, 0, key});
            return Swallowed(out);
        }
        // The release of a swallowed press is swallowed too.
        if (!known || !swallowedKeys_.test(key)) return out;
        swallowedKeys_.reset(key);
        return Swallowed(out);
    }
    playedMenuKey_ = e.injected && !e.repeat ? HeldKeyBits(key) & kHeldMenuKeys : 0;
    auto swallowKey = [&] {
        if (known) swallowedKeys_.set(key);
        return Swallowed(out);
    };

    if (!e.injected) NoteActivity(v, e.time, out);
    if (e.injected && key == kEndMarkerKey) {
        if (v.inUse) out.actions.push_back({HookAction::TakeFlag, v.mainWindow,
                                            kMsgInUseCleared, 0, 0, table::InUse});
        if (v.waitDrain) out.actions.push_back({HookAction::TakeFlag, v.mainWindow,
                                                kMsgDrainCleared, 0, 0, table::WaitDrain});
        return swallowKey();
    }
    if (key == vk::kCapsLock && !e.repeat) Post(out, v.mainWindow, kMsgCapsLock, e.capsLock);
    if (key == kAbortKey && !e.injected) {
        if (!e.repeat) Post(out, v.mainWindow, kMsgAbort);
        if (v.inUse) return swallowKey();
    }
    // Injected input while InUse is the program's own playback.
    if (e.injected && v.inUse) return out;

    // The user's finger is still on a key playback let go of for him.
    const KeyModifiers m = e.injected ? e.modifiers : WithHeld(e.modifiers, releasedByPlayback_);
    const int code = HotKeyCodeFor(static_cast<uint16_t>(key), 0, m.ctrl, m.alt, m.shift, m.win);
    if (TakeHotKey(v, code, e.repeat, true, m, e.capsLock, context, out)) return swallowKey();
    if (v.waitKey && !e.repeat) Post(out, v.mainWindow, kMsgKeyPressed, GenericKey(key));
    if (v.hasQuillets || v.waitText) ReportTyping(v, e, context, out);
    out.swallow = out.heldBack = heldBack;
    return out;
}

HookOutcome HookDecision::OnMouse(const HookView& v, const MouseEvent& e,
                                  EventContext& context) {
    HookOutcome out;
    if (!e.injected) NoteActivity(v, e.time, out);
    const bool ours = e.injected && v.inUse;
    if (e.button == MouseEvent::kXButton) {
        if (e.down && !ours) ResetTyping(v, out);
        return out;
    }
    if (e.button < 1 || e.button > 3) return out;
    const auto button = static_cast<size_t>(e.button);
    if (!e.down) {
        if (!swallowedButtons_.test(button)) return out;
        swallowedButtons_.reset(button);
        return Swallowed(out);
    }
    if (ours) return out;

    const KeyModifiers& m = e.modifiers;
    const int code = HotKeyCodeFor(0, static_cast<uint16_t>(button), m.ctrl, m.alt, m.shift, m.win);
    // A plain click stays a click in the hot key dialog, so its list and
    // buttons can still be used while the entry field has the focus.
    const bool entryAllowed = m.ctrl || m.alt || m.shift || m.win;
    if (TakeHotKey(v, code, false, entryAllowed, m, e.capsLock, context, out)) {
        swallowedButtons_.set(button);
        return Swallowed(out);
    }
    if (v.waitClick) Post(out, v.mainWindow, kMsgMouseClicked, button);
    ResetTyping(v, out);
    return out;
}

HookOutcome HookDecision::OnForeground(const HookView& v, WindowId window) {
    HookOutcome out;
    if (window == lastFront_) return out;
    lastFront_ = window;
    Post(out, v.mainWindow, kMsgWindowActivated, window);
    ResetTyping(v, out);
    return out;
}

HookOutcome HookDecision::OnProgramsChanged(const HookView& v) {
    HookOutcome out;
    Post(out, v.mainWindow, kMsgProgramsChanged);
    return out;
}

void HookDecision::NoteActivity(const HookView& v, uint32_t time, HookOutcome& out) {
    if (!v.idleWatch) return;
    if (activitySent_ && time - lastActivity_ < kActivityInterval) return;
    activitySent_ = true;
    lastActivity_ = time;
    Post(out, v.mainWindow, kMsgUserActivity);
}

void HookDecision::ReportTyping(const HookView& v, const KeyEvent& e, EventContext& context,
                                HookOutcome& out) {
    // Alt (without the Ctrl of AltGr) and Win make shortcuts, which type
    // nothing and may move the focus.
    const KeyModifiers& m = e.modifiers;
    const bool shortcut = (m.alt && !m.ctrl) || m.win;
    if (MovesCaret(e.virtualKey) || (shortcut && HeldKeyBits(e.virtualKey) == 0)) {
        ResetTyping(v, out);
        return;
    }
    const Typed typed = context.Translate();
    if (typed.kind == Typed::None) return;
    if (typed.kind == Typed::Composed) {
        ResetTyping(v, out);
        return;
    }
    for (const char typedChar : {typed.before, typed.character}) {
        if (typedChar == 0) continue;
        const auto c = static_cast<int64_t>(static_cast<uint8_t>(typedChar));
        if (v.hasQuillets) Post(out, v.mainWindow, kMsgQuillet, e.capsLock ? kQuilletCapsOn : 0, c);
        if (v.waitText) Post(out, v.mainWindow, kMsgTextTyped, 0, c);
    }
}

void HookDecision::ResetTyping(const HookView& v, HookOutcome& out) {
    if (v.hasQuillets) Post(out, v.mainWindow, kMsgQuillet, kTypingReset);
    if (v.waitText) Post(out, v.mainWindow, kMsgTextTyped, kTypingReset);
}

bool HookDecision::TakeHotKey(const HookView& v, int code, bool repeat, bool entryAllowed,
                              const KeyModifiers& m, bool capsLock, EventContext& context,
                              HookOutcome& out) {
    if (code < 0) return false;
    if (v.keyEntryOn) {
        if (!entryAllowed) return false;
        if (!repeat) Post(out, v.keyEntryWindow, kMsgKeyEntry, static_cast<uint64_t>(code));
    } else {
        if (!v.hotKeyUsed.test(static_cast<size_t>(code))) return false;
        if (!repeat) {
            const uint64_t w = static_cast<uint64_t>(code) | (capsLock ? kCapsLockBit : 0);
            Post(out, v.mainWindow, kMsgHotKey, w, static_cast<int64_t>(context.Foreground()));
        }
    }
    if (!repeat && (m.alt || m.win)) out.actions.push_back({HookAction::MaskKey});
    return true;
}

}  // namespace tavrin
