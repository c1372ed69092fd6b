#include "platform/win32/win32_playback_ui.h"

#include <windows.h>

#include <cstdlib>

#include "language/ansi_text.h"
#include "platform/win32/modal_window.h"

namespace tavrin {

namespace {

HWND ToHwnd(WindowId w) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(w)); }

std::string TextOf(HWND control) {
    char text[64] = "";
    GetWindowTextA(control, text, sizeof text);
    return Trim(text);
}

}  // namespace

void Win32PlaybackUi::DoAMessage(const std::string& title, const std::string& text) {
    if (noticeOpen_) return;  // notices never stack
    noticeOpen_ = true;
    HWND front = GetForegroundWindow();
    MessageBoxA(nullptr, text.c_str(), title.c_str(),
                MB_OK | MB_TOPMOST | MB_SETFOREGROUND | MB_TASKMODAL);
    if (front) SetForegroundWindow(front);
    noticeOpen_ = false;
}

void Win32PlaybackUi::MyMessage(const std::string& title, const std::string& text) {
    if (textBoxOpen_) return;
    textBoxOpen_ = true;
    HWND front = GetForegroundWindow();
    ModalWindow box(title.c_str(), -1, -1, 360, 220, true);
    // Line breaks of the macro text are CR LF already; a lone LF shows too.
    std::string shown;
    for (char c : text) {
        if (c == '\n' && (shown.empty() || shown.back() != '\r')) shown += '\r';
        shown += c;
    }
    HWND message = box.AddEdit(8, 8, 344, 170, 0,
                               ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL);
    SetWindowTextA(message, shown.c_str());
    box.AddButton("&Ok", IDOK, 140, 186, 80, 26);
    box.Run([](int) { return true; });
    if (front) SetForegroundWindow(front);
    textBoxOpen_ = false;
}

PauseOutcome Win32PlaybackUi::PauseDialog(const PauseRequest& request) {
    PauseOutcome outcome;
    HWND app = GetActiveWindow();
    outcome.wasIconic = app && IsIconic(app);
    const int labelHeight = request.height - 94;
    ModalWindow pause(request.caption.c_str(), request.left, request.top, request.width - 8,
                      request.height - 30, true);
    pause.AddLabel("Tavrin Pause", 8, 6, request.width - 24, 18);
    pause.AddLabel(request.nickname.c_str(), 8, 24, request.width - 24, 18);
    if (!request.message.empty())
        pause.AddLabel(request.message.c_str(), 8, 42, request.width - 24, labelHeight);
    const int buttonsTop = request.height - 30 - 34;
    pause.AddButton("&Resume", IDOK, 16, buttonsTop, 86, 26);
    pause.AddButton("&Abort", IDCANCEL, 114, buttonsTop, 86, 26);
    // The user goes on working in the target window while the pause floats.
    const HWND target = ToHwnd(request.target);
    pause.onActivate = [&pause, target] {
        SetWindowPos(pause.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        if (target) SetForegroundWindow(GetAncestor(target, GA_ROOT));
    };
    pauseWindow_ = pause.Handle();
    outcome.resume = pause.Run([](int id) { return id == IDOK || id == IDCANCEL; }) == IDOK;
    pauseWindow_ = nullptr;
    if (target) SetForegroundWindow(GetAncestor(target, GA_ROOT));
    return outcome;
}

void Win32PlaybackUi::ResumePause() {
    if (pauseWindow_) PostMessageA(static_cast<HWND>(pauseWindow_), WM_COMMAND, IDOK, 0);
}

void Win32PlaybackUi::RestoreAfterPause(WindowId target, bool) {
    if (HWND top = GetAncestor(ToHwnd(target), GA_ROOT)) SetForegroundWindow(top);
}

uint16_t Win32PlaybackUi::DoRepPrompt() {
    HWND front = GetForegroundWindow();
    ModalWindow prompt("Macro Repeat", -1, -1, 167, 56, true);
    prompt.AddLabel("Times To Repeat", 8, 8, 90, 18);
    HWND field = prompt.AddEdit(100, 6, 58, 22, 4);
    prompt.AddButton("&Ok", IDOK, 44, 30, 80, 24);
    SetFocus(field);
    long count = 0;
    prompt.Run([&](int) {
        const std::string text = TextOf(field);
        char* end = nullptr;
        count = std::strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0') {
            MessageBoxA(prompt.Handle(), "Invalid numeric value entered.  Please Correct",
                        "Error", MB_OK | MB_ICONERROR);
            SetFocus(field);
            return false;
        }
        return true;
    });
    if (front) SetForegroundWindow(front);
    return static_cast<uint16_t>(count);
}

}  // namespace tavrin
