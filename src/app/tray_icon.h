#pragma once
// One icon in the task bar's notification area. It is created hidden and
// shown while its display mode asks for it; while a macro plays it shows
// the running picture and "Macro Is Running".
#include <windows.h>

#include <string>

namespace tavrin {

class TrayIcon {
public:
    TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon() { Show(false); }

    // Clicks arrive at owner as callbackMessage, with the mouse message in
    // lParam.
    void Create(HWND owner, UINT id, UINT callbackMessage, const std::string& tip);
    void Show(bool visible);
    void SetRunning(bool running);
    // The pictures shown normally and while a macro runs; without them the
    // system's application and information icons.
    void SetIcons(HICON normal, HICON running);
    // The notification area took the icon at its last showing.
    bool Added() const { return added_; }

private:
    bool Update(DWORD action);

    HWND owner_ = nullptr;
    UINT id_ = 0;
    UINT callback_ = 0;
    std::string tip_;
    bool visible_ = false;
    bool running_ = false;
    bool added_ = false;
    HICON normalIcon_ = nullptr;
    HICON runningIcon_ = nullptr;
};

}  // namespace tavrin
