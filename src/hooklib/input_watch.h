#pragma once
// The hooks' events handed to HookDecision and its actions carried out: the
// messages posted to the program, the mask key, and whether the event is kept
// from the programs behind the hook. Runs on the hook thread only; every call
// decides, acts and returns.
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "hooklib/capture_feed.h"
#include "hooklib/key_tracker.h"
#include "hooklib/table_copy.h"
#include "triggers/hook_decision.h"

namespace tavrin {

// dwExtraInfo of the input the library injects itself; the hooks pass it by.
constexpr ULONG_PTR kOwnInput = 0x5A594E48;  // "ZYNH"

class InputWatch {
public:
    // maskThread receives kMaskMessage when a swallowed press or release
    // needs a harmless key press after it (see MaskMenuKey); heldKeys
    // receives the modifier keys the user holds after every key event.
    InputWatch(TableCopy& table, DWORD maskThread, std::atomic<uint32_t>& heldKeys)
        : table_(table), maskThread_(maskThread), heldKeys_(heldKeys), capture_(table) {}

    // Called when the keyboard hook is installed.
    void ResyncKeys();

    // true: swallow the event.
    bool OnKey(const KBDLLHOOKSTRUCT& key, bool down);
    bool OnMouse(WPARAM message, const MSLLHOOKSTRUCT& mouse);
    // Takes the window in front now as the last one reported.
    void WatchForeground();
    // A window came to the front; reported once per change.
    void OnForeground(HWND window);
    void OnProgramsChanged();

private:
    KeyModifiers Modifiers() const;
    // A stop key of the capture was pressed or released: swallowed.
    bool StopKeyTaken(const KeyModifiers& m, bool down);
    // Carries out the actions; true when the event is to be swallowed.
    bool Perform(const HookOutcome& outcome);

    TableCopy& table_;
    DWORD maskThread_;
    std::atomic<uint32_t>& heldKeys_;
    KeyTracker keys_;
    HookDecision decision_;
    CaptureFeed capture_;
};

// Thread message asking the hook thread to inject the mask key; wParam: the
// key to release after it, or 0.
constexpr UINT kMaskMessage = WM_APP + 2;
// Presses and releases an unassigned key, so that releasing Alt or Win after a
// swallowed hot key opens no menu; then releases the key release, unless 0.
void MaskMenuKey(WORD release);

}  // namespace tavrin
