#include "ui/preference_dialog.h"

#include "ui/preference_dialog_res.h"

namespace tavrin {

namespace {

// The radio buttons in Visibility order.
constexpr int kVisibilityRadios[] = {kShowInTaskbarRadio, kShowInTrayRadio, kCompletelyHideRadio};

}  // namespace

PreferenceDialog::PreferenceDialog(Settings& s)
    : ModalDialog(kPreferenceDialog), settings_(s), form_(s) {}

bool PreferenceDialog::OnInit() {
    SetChecked(kVisibilityRadios[static_cast<int>(form_.Choice)], true);
    SetChecked(kCloseButtonHidesCheck, form_.CloseButtonHides);
    return true;
}

void PreferenceDialog::OnOK() {
    for (int i = 0; i < 3; ++i) {
        if (IsChecked(kVisibilityRadios[i])) form_.Choice = static_cast<Visibility>(i);
    }
    form_.CloseButtonHides = IsChecked(kCloseButtonHidesCheck);
    outcome_ = form_.OkButtonClick(settings_);
    End(IDOK);
}

}  // namespace tavrin
