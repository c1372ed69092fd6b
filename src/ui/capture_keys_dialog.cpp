#include "ui/capture_keys_dialog.h"

#include "forms/capture_keys_form.h"
#include "ui/capture_keys_dialog_res.h"
#include "ui/capture_option_controls.h"

namespace tavrin {
namespace {

// Visible, not minimised top-level windows with a title that is not blank,
// other than the program's own.
BOOL CALLBACK AddWindow(HWND w, LPARAM list) {
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    if (process == GetCurrentProcessId()) return TRUE;
    char title[256] = {};
    GetWindowTextA(w, title, sizeof title);
    if (!IsWindowVisible(w) || IsIconic(w) || std::string(title).find_first_not_of(' ') ==
                                                   std::string::npos)
        return TRUE;
    SendMessageA(reinterpret_cast<HWND>(list), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title));
    return TRUE;
}

}  // namespace

CaptureKeysDialog::CaptureKeysDialog(int n, const MacroRecord& record, const MacroTable& table,
                                     const Settings& settings, uint16_t stopCode)
    : ModalDialog(kCaptureKeysDialog),
      record_(record),
      table_(table),
      stopCode_(stopCode),
      options_(settings) {
    request_.macro = n;
}

bool CaptureKeysDialog::OnInit() {
    SetItemText(kKeysTriggerText, CaptureTriggerText(record_));
    SetItemText(kKeysStopText, CaptureStopText(stopCode_));
    SetItemText(kKeysOwnStopText, CaptureOwnStopText(record_));
    LimitText(kKeysNicknameField, 50);
    SetItemText(kKeysNicknameField, record_.Nickname);
    ShowCaptureOptions(*this, CaptureOptionsIn::Macro, options_);
    const bool global = CaptureGlobalAllowed(table_, request_.macro, record_);
    SetChecked(options_.Global && global ? kKeysGlobalRadio : kKeysProgramRadio, true);
    EnableItem(kKeysGlobalRadio, global);
    HWND list = Item(kKeysProgramList);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kLastActiveWindow));
    EnumWindows(AddWindow, reinterpret_cast<LPARAM>(list));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    EnableDependents();
    return true;
}

void CaptureKeysDialog::ReadOptions() {
    ReadCaptureOptions(*this, CaptureOptionsIn::Macro, options_);
}

void CaptureKeysDialog::EnableDependents() {
    EnableCaptureOptions(*this, CaptureOptionsIn::Macro, options_);
}

bool CaptureKeysDialog::OnCommand(int id, int code) {
    if (id == kKeysProgramList || code != BN_CLICKED) return false;
    ReadOptions();
    EnableDependents();
    return true;
}

void CaptureKeysDialog::OnOK() {
    ReadOptions();
    Settings chosen;
    options_.OkButtonClick(chosen);
    request_.options = CaptureOptionsOf(chosen);
    request_.speed = chosen.CaptureSpeed;
    request_.nickname = ItemText(kKeysNicknameField);
    request_.programScope = IsChecked(kKeysProgramRadio);
    HWND list = Item(kKeysProgramList);
    const LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
    window_.clear();
    if (row > 0) {
        char title[256] = {};
        if (SendMessageA(list, LB_GETTEXTLEN, row, 0) < static_cast<LRESULT>(sizeof title))
            SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(title));
        window_ = title;
    }
    End(IDOK);
}

}  // namespace tavrin
