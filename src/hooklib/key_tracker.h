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

    bool Ctrl() const;
    bool Alt() const;
    bool Shift() const;
    bool Win() const;
    bool CapsLock() const { return capsLock_; }

    // The ANSI character of a key press with the tracked modifiers in the
    // keyboard layout of the window in front. A dead key, and the key that
    // completes it, type something the single character cannot tell, so they
    // come back as Composed.
    Typed Translate(DWORD vk, DWORD scanCode);

private:
    bool Down(int vk) const { return down_.test(static_cast<size_t>(vk)); }

    std::bitset<256> down_;
    bool capsLock_ = false;
    bool deadKeyPending_ = false;
};

}  // namespace tavrin
