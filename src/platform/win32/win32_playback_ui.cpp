#include "platform/win32/win32_playback_ui.h"

#include <windows.h>

namespace tavrin {

namespace {

HWND ToHwnd(WindowId w) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(w)); }

// A stay-on-top box; the window in front before it comes back after it.
int TopMostBox(const std::string& title, const std::string& text, UINT buttons) {
    HWND front = GetForegroundWindow();
    const int answer = MessageBoxA(nullptr, text.c_str(), title.c_str(),
                                   buttons | MB_TOPMOST | MB_SETFOREGROUND | MB_TASKMODAL);
    if (front) SetForegroundWindow(front);
    return answer;
}

}  // namespace

void Win32PlaybackUi::DoAMessage(const std::string& title, const std::string& text) {
    if (noticeOpen_) return;  // notices never stack
    noticeOpen_ = true;
    TopMostBox(title, text, MB_OK);
    noticeOpen_ = false;
}

void Win32PlaybackUi::MyMessage(const std::string& title, const std::string& text) {
    if (textBoxOpen_) return;
    textBoxOpen_ = true;
    TopMostBox(title, text, MB_OK);
    textBoxOpen_ = false;
}

PauseOutcome Win32PlaybackUi::PauseDialog(const PauseRequest& request) {
    std::string text = "Tavrin Pause\n\n" + request.nickname;
    if (!request.message.empty()) text += "\n\n" + request.message;
    pauseCaption_ = request.caption;
    PauseOutcome outcome;
    outcome.resume = TopMostBox(request.caption, text, MB_OKCANCEL) == IDOK;
    pauseCaption_.clear();
    if (request.target) SetForegroundWindow(ToHwnd(request.target));
    return outcome;
}

void Win32PlaybackUi::ResumePause() {
    if (pauseCaption_.empty()) return;
    if (HWND box = FindWindowA("#32770", pauseCaption_.c_str()))
        PostMessageA(box, WM_COMMAND, IDOK, 0);
}

void Win32PlaybackUi::RestoreAfterPause(WindowId target, bool) {
    if (HWND top = GetAncestor(ToHwnd(target), GA_ROOT)) SetForegroundWindow(top);
}

}  // namespace tavrin
