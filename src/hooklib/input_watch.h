#pragma once
// What the hooks make of each event: the messages posted to the program and
// whether the event is kept from the programs behind the hook. Runs on the
// hook thread only; every call decides, posts and returns.
#include <windows.h>

#include <bitset>

#include "hooklib/key_tracker.h"
#include "hooklib/table_copy.h"

namespace tavrin {

// dwExtraInfo of the input the library injects itself; the hooks pass it by.
constexpr ULONG_PTR kOwnInput = 0x5A594E48;  // "ZYNH"

class InputWatch {
public:
    // maskThread receives kMaskMessage when a swallowed press needs a
    // harmless key press after it (see MaskMenuKey).
    InputWatch(TableCopy& table, DWORD maskThread) : table_(table), maskThread_(maskThread) {}

    // Called when the keyboard hook is installed.
    void ResyncKeys() { keys_.Resync(); }

    // true: swallow the event.
    bool OnKey(const KBDLLHOOKSTRUCT& key, bool down);
    bool OnMouse(WPARAM message, const MSLLHOOKSTRUCT& mouse);
    // Takes the window in front now as the last one reported.
    void WatchForeground() { lastFront_ = GetForegroundWindow(); }
    // A window came to the front; reported once per change.
    void OnForeground(HWND window);
    void OnProgramsChanged();

private:
    void NoteActivity(const HookView& v);
    void ReportTyping(const KBDLLHOOKSTRUCT& key, const HookView& v);
    void ResetTyping(const HookView& v);
    // A hot key combination: true when it was taken (and is to be swallowed).
    bool TakeHotKey(int code, bool repeat, bool entryAllowed, const HookView& v);
    bool SwallowKey(DWORD vk);

    TableCopy& table_;
    DWORD maskThread_;
    KeyTracker keys_;
    std::bitset<256> swallowedKeys_;
    std::bitset<4> swallowedButtons_;
    HWND lastFront_ = nullptr;
    DWORD lastActivity_ = 0;
    bool activitySent_ = false;
};

// Thread message asking the hook thread to inject the mask key.
constexpr UINT kMaskMessage = WM_APP + 2;
// Presses and releases an unassigned key, so that releasing Alt or Win after a
// swallowed hot key opens no menu.
void MaskMenuKey();

}  // namespace tavrin
