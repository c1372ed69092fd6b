#include "ui/capture_defaults_dialog.h"

#include "ui/capture_defaults_dialog_res.h"
#include "ui/capture_option_controls.h"

namespace tavrin {

CaptureDefaultsDialog::CaptureDefaultsDialog(Settings& s)
    : ModalDialog(kCaptureDefaultsDialog), settings_(s), form_(s) {}

bool CaptureDefaultsDialog::OnInit() {
    ShowCaptureOptions(*this, CaptureOptionsIn::Defaults, form_);
    SetChecked(kDefPromptCheck, form_.Prompt);
    SetChecked(form_.Global ? kDefGlobalRadio : kDefProgramRadio, true);
    EnableDependents();
    return true;
}

void CaptureDefaultsDialog::ReadControls() {
    ReadCaptureOptions(*this, CaptureOptionsIn::Defaults, form_);
    form_.Prompt = IsChecked(kDefPromptCheck);
    form_.Global = IsChecked(kDefGlobalRadio);
}

void CaptureDefaultsDialog::EnableDependents() {
    EnableCaptureOptions(*this, CaptureOptionsIn::Defaults, form_);
}

bool CaptureDefaultsDialog::OnCommand(int, int code) {
    if (code != BN_CLICKED) return false;
    ReadControls();
    EnableDependents();
    return true;
}

void CaptureDefaultsDialog::OnOK() {
    ReadControls();
    form_.OkButtonClick(settings_);
    End(IDOK);
}

}  // namespace tavrin
