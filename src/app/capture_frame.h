#pragma once
// The main window's part in recording macros: the capture controller, the
// "Macro Is Recording" tray icon (right-click ends the capture) and the
// "Capture Complete" dialog of a quick capture.
#include <windows.h>

#include <functional>
#include <string>

#include "app/app_context.h"
#include "app/tray_icon.h"
#include "control/capture_controller.h"

namespace tavrin {

class CaptureFrame : private CaptureHost {
public:
    // showMain shows and raises the main window; refresh refills its list
    // and selects the macro it is given (0 keeps the selection);
    // browsing tells whether the macro file is open in a browse mode;
    // selected is the macro selected in the list, 0 for none; lastOther is
    // the last active window of another program.
    CaptureFrame(AppContext& app, std::function<void()> showMain,
                 std::function<void(int)> refresh, std::function<bool()> browsing,
                 std::function<int()> selected, std::function<WindowId()> lastOther);

    void Create(HWND owner);
    CaptureController& Controller() { return controller_; }
    // The menu commands of capture; true when id is one.
    bool OnCommand(int id);
    // Messages 0x403 and 0x404, and the recording icon's callback message.
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    bool Browsing() override { return browsing_(); }
    void ShowRecordingIcon(bool shown) override;
    void CaptureComplete(MacroRecord& record, const std::string& program) override;
    void ShowMainWindow() override { showMain_(); }
    void RefreshMacroList(int n) override { refresh_(n); }
    // "Re&capture Macro" on the selected macro.
    void Recapture();

    AppContext& app_;
    std::function<void()> showMain_;
    std::function<void(int)> refresh_;
    std::function<bool()> browsing_;
    std::function<int()> selected_;
    std::function<WindowId()> lastOther_;
    CaptureController controller_;
    TrayIcon icon_;
    HWND owner_ = nullptr;
};

}  // namespace tavrin
