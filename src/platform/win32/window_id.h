#pragma once
// The portable core names windows by number; these are their handles.
#include <windows.h>

#include <cstdint>

#include "platform/desktop.h"

namespace tavrin {

inline HWND ToHwnd(WindowId w) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(w)); }
inline WindowId ToId(HWND h) { return static_cast<WindowId>(reinterpret_cast<uintptr_t>(h)); }

// Makes the top-level window of w the foreground window; nothing for none.
inline void ForegroundTopLevel(WindowId w) {
    if (HWND top = GetAncestor(ToHwnd(w), GA_ROOT)) SetForegroundWindow(top);
}

}  // namespace tavrin
