#include "ui/pause_dialog.h"

#include "ui/pause_dialog_res.h"
#include "platform/win32/window_id.h"
#include "playback/pause_placement.h"

namespace tavrin {

PauseDialog::PauseDialog(const PauseRequest& request)
    : ModalDialog(kPauseDialog), request_(request) {}

void PauseDialog::Resume() {
    if (Handle()) PostMessageA(Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

bool PauseDialog::OnInit() {
    SetWindowTextA(Handle(), request_.caption.c_str());
    SetItemText(kPauseNicknameLabel, request_.nickname);
    SetItemText(kPauseMessageLabel, request_.message);
    ShowWindow(Item(kPauseMessageLabel), request_.message.empty() ? SW_HIDE : SW_SHOW);

    // The request gives the window's width and the message's height; the
    // controls are laid out in pixels below one another, and the window is
    // as tall as they need under its caption.
    const int clientWidth = request_.width - 8;
    const int messageHeight = request_.height - kPauseBaseHeight;
    const int buttonsTop = 42 + messageHeight + 6;
    const int clientHeight = buttonsTop + 26 + 8;
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
    SetWindowPos(Handle(), HWND_TOPMOST, request_.left, request_.top, frame.right - frame.left,
                 frame.bottom - frame.top, 0);
    const int labelWidth = request_.width - 24;
    MoveWindow(Item(kPauseTitleLabel), 8, 6, labelWidth, 18, FALSE);
    MoveWindow(Item(kPauseNicknameLabel), 8, 24, labelWidth, 18, FALSE);
    MoveWindow(Item(kPauseMessageLabel), 8, 42, labelWidth, messageHeight, FALSE);
    MoveWindow(Item(IDOK), 16, buttonsTop, 86, 26, FALSE);
    MoveWindow(Item(IDCANCEL), 114, buttonsTop, 86, 26, FALSE);
    return true;
}

void PauseDialog::OnActivate() {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ForegroundTopLevel(request_.target);
}

}  // namespace tavrin
