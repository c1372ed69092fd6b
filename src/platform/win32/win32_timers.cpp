#include "platform/win32/win32_timers.h"

#include <windows.h>

namespace tavrin {

void Win32Timers::Start(TimerId id, unsigned milliseconds) {
    SetTimer(static_cast<HWND>(owner_), static_cast<UINT_PTR>(id), milliseconds, nullptr);
}

void Win32Timers::Stop(TimerId id) {
    KillTimer(static_cast<HWND>(owner_), static_cast<UINT_PTR>(id));
}

}  // namespace tavrin
