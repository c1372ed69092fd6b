#include "app/tray_icon.h"

#include <shellapi.h>

#include <cstring>

namespace tavrin {

void TrayIcon::Create(HWND owner, UINT id, UINT callbackMessage, const std::string& tip) {
    owner_ = owner;
    id_ = id;
    callback_ = callbackMessage;
    tip_ = tip;
}

void TrayIcon::Show(bool visible) {
    if (visible == visible_ || owner_ == nullptr) return;
    const bool done = Update(visible ? NIM_ADD : NIM_DELETE);
    added_ = visible && done;
    visible_ = visible;
}

void TrayIcon::SetRunning(bool running) {
    running_ = running;
    if (visible_) Update(NIM_MODIFY);
}

void TrayIcon::SetIcons(HICON normal, HICON running) {
    normalIcon_ = normal;
    runningIcon_ = running;
    if (visible_) Update(NIM_MODIFY);
}

bool TrayIcon::Update(DWORD action) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = id_;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = callback_;
    HICON own = running_ ? runningIcon_ : normalIcon_;
    data.hIcon = own ? own : LoadIconA(nullptr, running_ ? IDI_INFORMATION : IDI_APPLICATION);
    const std::string tip = running_ ? "Macro Is Running" : tip_;
    strncpy(data.szTip, tip.c_str(), sizeof data.szTip - 1);
    return Shell_NotifyIconA(action, &data) != FALSE;
}

}  // namespace tavrin
