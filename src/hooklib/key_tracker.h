#pragma once
// The keyboard as the hook thread sees it: which keys are down and whether
// Caps Lock is on, followed from the hook's own events, since the system's
// state of the key being reported is not updated until the hook returns.
#include <windows.h>

#include <bitset>

#include "triggers/hook_decision.h"

namespace tavrin {

class KeyTracker {
public:
    // Starts from the system's state: modifiers held now, Caps Lock.
    void Resync();
    // Records a key event; true when a press repeats a key already down.
    bool Record(DWORD vk, bool down);
    // The press of modifier vk just recorded was kept from the system: it
    // is down here until its release, though the system has it up.
    void HeldBack(DWORD vk);

    bool Ctrl() const;
    bool Alt() const;
    bool Shift() const;
    bool Win() const;
    bool CapsLock() const { return capsLock_; }

    // The ANSI character of a key press with the tracked modifiers in the
    // keyboard layout of the window in front. A dead key types nothing yet
    // and comes back as Composed; the key after it comes back as the
    // character the two compose, or as its own character with the dead
    // key's before it.
    Typed Translate(DWORD vk, DWORD scanCode);
    bool DeadKeyPending() const { return dead_ != 0; }

private:
    bool Down(int vk) const { return down_.test(static_cast<size_t>(vk)); }
    // A dead key with its own character: kept for the next key, or typed
    // with one already kept.
    Typed DeadKey(wchar_t own);
    // The key after a dead key typed c.
    Typed AfterDeadKey(char c);

    std::bitset<256> down_;
    std::bitset<256> heldBack_;
    bool capsLock_ = false;
    wchar_t dead_ = 0;  // the character of the dead key pressed last, 0 for none
};

}  // namespace tavrin
