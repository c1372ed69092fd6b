#include "app/capture_frame.h"

#include "app/trace.h"
#include "platform/hook_protocol.h"
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

CaptureFrame::CaptureFrame(const CapturePlatform& platform, MacroStore& store,
                           Settings& settings, Profile& profile,
                           const std::string& programFolder, CaptureFrameHost& host)
    : platform_(platform),
      store_(store),
      settings_(settings),
      profile_(profile),
      host_(host),
      controller_(platform, store, settings, *this, programFolder) {}

void CaptureFrame::Create(HWND owner) {
    owner_ = owner;
    icon_.Create(owner, kRecordingTrayId, kMsgRecordingIcon, "Macro Is Recording");
    const HICON recording = SmallProgramPicture(kRecordingIcon);
    icon_.SetIcons(recording, recording);
}

void CaptureFrame::CaptureDefaults() {
    if (CaptureDefaultsDialog(settings_).Create(owner_) == IDOK) SaveSettings(profile_, settings_);
}

void CaptureFrame::Recapture() {
    const int n = host_.SelectedMacro();
    const std::string refusal = controller_.RecaptureRefusal(n);
    if (!refusal.empty()) {
        platform_.messages.ShowMessage("Error", refusal);
        return;
    }
    MacroRecord record;
    if (!store_.ReadMacro(n, record)) return;
    CaptureKeysDialog dialog(n, record, store_.Table(), settings_,
                             controller_.StopHotKey());
    if (dialog.Create(owner_) != IDOK || !controller_.StartCaptureOf(dialog.Request())) return;
    host_.RefreshMacroList(n);
    // Out of the way of the capture: hidden in the hidden display mode. The
    // chosen window comes to the front; with none chosen, the last active
    // window of another program does when the program hides, and the
    // program minimises when it does not.
    if (settings_.UseHide) ShowWindow(owner_, SW_HIDE);
    WindowId target = 0;
    if (!dialog.WindowTitle().empty()) {
        target = platform_.desktop.FindExact(dialog.WindowTitle());
    } else if (settings_.UseHide) {
        target = host_.LastActiveOtherWindow();
    } else {
        ShowWindow(owner_, SW_MINIMIZE);
    }
    if (target != 0) platform_.desktop.Activate(target);
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
    host_.ShowAfterCapture();
    CapCompleteDialog(record, program, store_.Table(), platform_.hooks, platform_.messages,
                      settings_.CaptureGlobal)
        .Create(owner_);
    Trace("capture complete: " + record.Nickname);
}

}  // namespace tavrin
