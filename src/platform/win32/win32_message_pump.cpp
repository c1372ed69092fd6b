#include "platform/win32/win32_message_pump.h"

#include <windows.h>

namespace tavrin {

uint64_t Win32MessagePump::Ticks() { return GetTickCount64(); }

void Win32MessagePump::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Left for the main loop, which ends the program after the macro.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Win32MessagePump::WaitUntil(uint64_t deadline) {
    const uint64_t now = Ticks();
    if (now < deadline) {
        // Sleeps until a message arrives or the deadline passes.
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
    ProcessMessages();
}

}  // namespace tavrin
