#include "ui/quillet_options_dialog.h"

#include "ui/quillet_options_dialog_res.h"

namespace tavrin {

QuilletOptionsDialog::QuilletOptionsDialog(Settings& s)
    : ModalDialog(kQuilletOptionsDialog), settings_(s), form_(s) {}

bool QuilletOptionsDialog::OnInit() {
    SetChecked(kUsePrefixKeysCheck, form_.UsePrefixKeys);
    SetChecked(kCaseSensitiveCheck, form_.CaseSensitive);
    SetChecked(kSolitaryUsageCheck, form_.SolitaryUsage);
    LimitText(kPrefixKeysField, 2);
    SetItemText(kPrefixKeysField, form_.PrefixKeys);
    EnableItem(kPrefixKeysField, form_.UsePrefixKeys);
    checking_ = false;
    return true;
}

bool QuilletOptionsDialog::OnCommand(int id, int code) {
    if (id == kUsePrefixKeysCheck && code == BN_CLICKED) {
        EnableItem(kPrefixKeysField, IsChecked(kUsePrefixKeysCheck));
        return true;
    }
    if (id == kPrefixKeysField && (code == EN_CHANGE || code == EN_KILLFOCUS)) {
        PrefixKeysValid();
        return true;
    }
    return false;
}

bool QuilletOptionsDialog::PrefixKeysValid() {
    if (checking_) return true;
    form_.PrefixKeys = ItemText(kPrefixKeysField);
    const std::string error = form_.PrefixKeysError();
    if (error.empty()) return true;
    checking_ = true;
    ShowFailure("Error", error, kPrefixKeysField);
    checking_ = false;
    return false;
}

void QuilletOptionsDialog::OnOK() {
    if (!PrefixKeysValid()) return;
    form_.UsePrefixKeys = IsChecked(kUsePrefixKeysCheck);
    form_.CaseSensitive = IsChecked(kCaseSensitiveCheck);
    form_.SolitaryUsage = IsChecked(kSolitaryUsageCheck);
    form_.OkButtonClick(settings_);
    End(IDOK);
}

// Esc and the close box leave without a check: the field losing the focus
// as the dialog goes must not show an error for a value that is dropped.
void QuilletOptionsDialog::OnCancel() {
    checking_ = true;
    End(IDCANCEL);
}

}  // namespace tavrin
