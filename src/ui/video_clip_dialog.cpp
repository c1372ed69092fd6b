#include "ui/video_clip_dialog.h"

#include <vfw.h>

#include <commctrl.h>

#include <algorithm>

#include "ui/video_clip_dialog_res.h"

namespace tavrin {

namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr UINT kCloseDelayMs = 1000;
// The play bar's buttons and slider need this much width whatever the clip.
constexpr int kMinimumWidth = 240;
constexpr int kBarGap = 4;        // between the button and the slider
constexpr int kCaptionMargin = 8;  // each side of the button's caption

struct PlayBar {
    HWND button = nullptr;
    HWND slider = nullptr;
};

BOOL CALLBACK FindPlayBar(HWND child, LPARAM lParam) {
    auto* bar = reinterpret_cast<PlayBar*>(lParam);
    char name[32] = "";
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Button") == 0) bar->button = child;
    if (lstrcmpiA(name, TRACKBAR_CLASSA) == 0) bar->slider = child;
    return TRUE;
}

}  // namespace

VideoClipDialog::VideoClipDialog(const std::string& file, VideoStart start)
    : ModalDialog(kVideoClipDialog), file_(file), start_(start) {}

bool VideoClipDialog::OnInit() {
    // The player sizes itself to the clip (not the clip to the player) and
    // tells us when it stops; it shows no error boxes of its own, and a clip it cannot open closes
    // the window at once.
    player_ = MCIWndCreateA(Handle(), GetModuleHandleA(nullptr),
                            WS_CHILD | WS_VISIBLE | MCIWNDF_NOMENU | MCIWNDF_NOERRORDLG |
                                MCIWNDF_NOTIFYMODE | MCIWNDF_NOAUTOSIZEMOVIE,
                            nullptr);
    opened_ = player_ && MCIWndOpen(player_, file_.c_str(), 0) == 0;
    if (!opened_) {
        End(IDABORT);
        return false;
    }
    // The player has sized itself to the clip and its bar; a narrow clip
    // gets the bar's width, the picture keeping its own size.
    RECT clip;
    GetWindowRect(player_, &clip);
    const int clientWidth = std::max<int>(clip.right - clip.left, kMinimumWidth);
    const int clientHeight = clip.bottom - clip.top;
    SetWindowPos(player_, nullptr, 0, 0, clientWidth, clientHeight, SWP_NOZORDER);
    FitPlayBar();
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, GetWindowLongA(Handle(), GWL_STYLE), FALSE,
                       GetWindowLongA(Handle(), GWL_EXSTYLE));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetForegroundWindow(Handle());
    return true;
}

void VideoClipDialog::FitPlayBar() {
    PlayBar bar;
    EnumChildWindows(player_, FindPlayBar, reinterpret_cast<LPARAM>(&bar));
    if (!bar.button || !bar.slider) return;
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    SendMessageA(bar.button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    char caption[32] = "";
    GetWindowTextA(bar.button, caption, sizeof caption);
    HDC dc = GetDC(bar.button);
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE text{};
    GetTextExtentPoint32A(dc, caption, lstrlenA(caption), &text);
    SelectObject(dc, old);
    ReleaseDC(bar.button, dc);

    RECT button, slider;
    GetWindowRect(bar.button, &button);
    GetWindowRect(bar.slider, &slider);
    MapWindowPoints(nullptr, player_, reinterpret_cast<POINT*>(&button), 2);
    MapWindowPoints(nullptr, player_, reinterpret_cast<POINT*>(&slider), 2);
    const int buttonWidth =
        std::max<int>(button.right - button.left, text.cx + 2 * kCaptionMargin);
    MoveWindow(bar.button, button.left, button.top, buttonWidth, button.bottom - button.top, TRUE);
    const int sliderLeft = button.left + buttonWidth + kBarGap;
    MoveWindow(bar.slider, sliderLeft, slider.top, std::max<int>(slider.right - sliderLeft, 0),
               slider.bottom - slider.top, TRUE);
}

void VideoClipDialog::OnActivate() {
    if (started_ || !opened_ || start_ == VideoStart::Open) return;
    started_ = true;
    MCIWndPlay(player_);
}

bool VideoClipDialog::OnMessage(UINT msg, WPARAM, LPARAM lParam) {
    if (msg == MCIWNDM_NOTIFYMODE) {
        if (started_ && start_ == VideoStart::PlayAndClose && lParam == MCI_MODE_STOP)
            SetTimer(Handle(), kCloseTimer, kCloseDelayMs, nullptr);
        return true;
    }
    if (msg == WM_TIMER) {
        KillTimer(Handle(), kCloseTimer);
        End(IDOK);
        return true;
    }
    return false;
}

}  // namespace tavrin
