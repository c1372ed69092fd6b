#pragma once
// The main window's part in recording macros: the capture controller, the
// "Macro Is Recording" tray icon (right-click ends the capture) and the
// "Capture Complete" dialog of a quick capture.
#include <windows.h>

#include <string>

#include "app/tray_icon.h"
#include "control/capture_controller.h"
#include "platform/profile.h"
#include "store/macro_store.h"
#include "store/settings.h"

namespace tavrin {

// What the main window does for the capture.
class CaptureFrameHost {
public:
    virtual ~CaptureFrameHost() = default;
    // Shows and raises the main window, which then stays through the next
    // loss of focus.
    virtual void ShowAfterCapture() = 0;
    // Refills the list and selects macro n (0 keeps the selection).
    virtual void RefreshMacroList(int n) = 0;
    // The macro file is open in a Browse mode.
    virtual bool Browsing() = 0;
    // The macro selected in the list, 0 for none.
    virtual int SelectedMacro() = 0;
    // The last active window of another program.
    virtual WindowId LastActiveOtherWindow() = 0;
};

class CaptureFrame : private CaptureHost {
public:
    CaptureFrame(const CapturePlatform& platform, MacroStore& store, Settings& settings,
                 Profile& profile, const std::string& programFolder, CaptureFrameHost& host);

    void Create(HWND owner);
    CaptureController& Controller() { return controller_; }
    // "&Capture" of the options: the capture defaults, saved.
    void CaptureDefaults();
    // "Re&capture Macro" on the selected macro.
    void Recapture();
    // Messages 0x403 and 0x404, and the recording icon's callback message.
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    bool Browsing() override { return host_.Browsing(); }
    void ShowRecordingIcon(bool shown) override;
    void CaptureComplete(MacroRecord& record, const std::string& program) override;
    void ShowMainWindow() override { host_.ShowAfterCapture(); }
    void RefreshMacroList(int n) override { host_.RefreshMacroList(n); }

    CapturePlatform platform_;
    MacroStore& store_;
    Settings& settings_;
    Profile& profile_;
    CaptureFrameHost& host_;
    CaptureController controller_;
    TrayIcon icon_;
    HWND owner_ = nullptr;
};

}  // namespace tavrin
