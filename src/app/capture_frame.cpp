#include "app/capture_frame.h"

#include "app/trace.h"
#include "platform/hook_protocol.h"
#include "app/menu_ids.h"
#include "ui/cap_complete_dialog.h"
#include "ui/capture_defaults_dialog.h"
#include "ui/capture_keys_dialog.h"
#include "ui/macro_icons.h"
#include "ui/program_icons_res.h"

namespace tavrin {
namespace {

// The recording icon: an id and a callback message of its own beside the
// main tray icon's.
constexpr UINT kRecordingTrayId = 1700;
constexpr UINT kMsgRecordingIcon = WM_APP + 17;
// The end asked for by the recording icon, posted behind the text the
// library has already posted.
constexpr UINT kMsgEndFromTray = WM_APP + 18;

}  // namespace

CaptureFrame::CaptureFrame(AppContext& app, std::function<void()> showMain,
                           std::function<void(int)> refresh, std::function<bool()> browsing,
                           std::function<int()> selected,
                           std::function<WindowId()> lastOther)
    : app_(app),
      showMain_(std::move(showMain)),
      refresh_(std::move(refresh)),
      browsing_(std::move(browsing)),
      selected_(std::move(selected)),
      lastOther_(std::move(lastOther)),
      controller_({app.files, app.fileSystem, app.desktop, app.hooks, app.playbackUi,
                   app.messages, app.clock},
                  app.store, app.settings, *this, app.programFolder) {}

void CaptureFrame::Create(HWND owner) {
    owner_ = owner;
    icon_.Create(owner, kRecordingTrayId, kMsgRecordingIcon, "Macro Is Recording");
    const HICON recording = SmallProgramPicture(kRecordingIcon);
    icon_.SetIcons(recording, recording);
}

bool CaptureFrame::OnCommand(int id) {
    if (id == kMenuRecapture) {
        Recapture();
        return true;
    }
    if (id != kMenuCapture) return false;
    if (CaptureDefaultsDialog(app_.settings).Create(owner_) == IDOK)
        SaveSettings(app_.profile, app_.settings);
    return true;
}

void CaptureFrame::Recapture() {
    const int n = selected_();
    const std::string refusal = controller_.RecaptureRefusal(n);
    if (!refusal.empty()) {
        app_.messages.ShowMessage("Error", refusal);
        return;
    }
    MacroRecord record;
    if (!app_.store.ReadMacro(n, record)) return;
    CaptureKeysDialog dialog(n, record, app_.store.Table(), app_.settings,
                             controller_.StopHotKey());
    if (dialog.Create(owner_) != IDOK || !controller_.StartCaptureOf(dialog.Request())) return;
    refresh_(n);
    // Out of the way of the capture: hidden in the hidden display mode. The
    // chosen window comes to the front; with none chosen, the last active
    // window of another program does when the program hides, and the
    // program minimises when it does not.
    if (app_.settings.UseHide) ShowWindow(owner_, SW_HIDE);
    WindowId target = 0;
    if (!dialog.WindowTitle().empty()) {
        target = app_.desktop.FindExact(dialog.WindowTitle());
    } else if (app_.settings.UseHide) {
        target = lastOther_();
    } else {
        ShowWindow(owner_, SW_MINIMIZE);
    }
    if (target != 0) app_.desktop.Activate(target);
    controller_.StartRecording();
}

bool CaptureFrame::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case kMsgCaptureText:
        controller_.OnText(static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam));
        return true;
    case kMsgCaptureEnded:
        controller_.OnEnded(static_cast<uint32_t>(wParam));
        return true;
    case kMsgRecordingIcon:
        if (lParam == WM_RBUTTONUP) PostMessageA(owner_, kMsgEndFromTray, 0, 0);
        return true;
    case kMsgEndFromTray:
        controller_.EndFromTray();
        return true;
    }
    return false;
}

void CaptureFrame::ShowRecordingIcon(bool shown) {
    icon_.Show(shown);
    Trace(shown ? "recording" : "recording ended");
}

void CaptureFrame::CaptureComplete(MacroRecord& record, const std::string& program) {
    showMain_();
    CapCompleteDialog(record, program, app_.store.Table(), app_.hooks, app_.messages,
                      app_.settings.CaptureGlobal)
        .Create(owner_);
    Trace("capture complete: " + record.Nickname);
}

}  // namespace tavrin
