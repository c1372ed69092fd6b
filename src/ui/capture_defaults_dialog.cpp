#include "ui/capture_defaults_dialog.h"

#include "ui/capture_defaults_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kRelativeRadios[] = {kDefScreenRadio, kDefWindowRadio, kDefPositionRadio};
constexpr int kSpeedRadios[] = {kDefActualRadio, kDefHalfRadio, kDefDoubleRadio,
                                kDefQuadrupleRadio};

}  // namespace

CaptureDefaultsDialog::CaptureDefaultsDialog(Settings& s)
    : ModalDialog(kCaptureDefaultsDialog), settings_(s), form_(s) {}

bool CaptureDefaultsDialog::OnInit() {
    SetChecked(kDefKeysCheck, form_.Keys);
    SetChecked(kDefDoubleAltCheck, form_.DoubleAlt);
    SetChecked(kDefMouseCheck, form_.Mouse);
    SetChecked(kRelativeRadios[form_.Relative - 1], true);
    SetChecked(kDefClicksOnlyCheck, form_.ClicksOnly);
    SetChecked(kDefWindowSizeCheck, form_.WindowSize);
    SetChecked(kDefTimeCheck, form_.Time);
    SetChecked(kSpeedRadios[form_.Speed - 1], true);
    SetChecked(kDefPromptCheck, form_.Prompt);
    SetChecked(form_.Global ? kDefGlobalRadio : kDefProgramRadio, true);
    EnableDependents();
    return true;
}

void CaptureDefaultsDialog::ReadControls() {
    form_.Keys = IsChecked(kDefKeysCheck);
    form_.DoubleAlt = IsChecked(kDefDoubleAltCheck);
    form_.Mouse = IsChecked(kDefMouseCheck);
    form_.Relative = CheckedOf(kRelativeRadios, form_.Relative);
    form_.ClicksOnly = IsChecked(kDefClicksOnlyCheck);
    form_.WindowSize = IsChecked(kDefWindowSizeCheck);
    form_.Time = IsChecked(kDefTimeCheck);
    form_.Speed = CheckedOf(kSpeedRadios, form_.Speed);
    form_.Prompt = IsChecked(kDefPromptCheck);
    form_.Global = IsChecked(kDefGlobalRadio);
}

void CaptureDefaultsDialog::EnableDependents() {
    EnableItem(kDefDoubleAltCheck, form_.DoubleAltEnabled());
    for (int id : kRelativeRadios) EnableItem(id, form_.RelativeEnabled());
    EnableItem(kDefWindowSizeCheck, form_.WindowSizeEnabled());
    for (int id : kSpeedRadios) EnableItem(id, form_.SpeedsEnabled());
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
