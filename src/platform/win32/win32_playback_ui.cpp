#include "platform/win32/win32_playback_ui.h"

#include <windows.h>

namespace tavrin {

void Win32PlaybackUi::DoAMessage(const std::string& title, const std::string& text) {
    if (open_) return;  // notices never stack
    open_ = true;
    HWND front = GetForegroundWindow();
    MessageBoxA(nullptr, text.c_str(), title.c_str(),
                MB_OK | MB_TOPMOST | MB_SETFOREGROUND | MB_TASKMODAL);
    if (front) SetForegroundWindow(front);
    open_ = false;
}

}  // namespace tavrin
