#include "ui/keys_up_down_dialog.h"

#include "ui/keys_up_down_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kChoices[kKeysUpDownKinds] = {kCtrlDownRadio,  kCtrlUpRadio,  kAltDownRadio,
                                            kAltUpRadio,     kShiftDownRadio, kShiftUpRadio,
                                            kWinDownRadio,   kWinUpRadio};

}  // namespace

KeysUpDownDialog::KeysUpDownDialog(const KeysUpDownFields& fields)
    : CommandDialog(kKeysUpDownDialog, "Keys Up Or Down"), fields_(fields) {}

bool KeysUpDownDialog::OnInit() {
    const bool chosen = fields_.Kind >= 1 && fields_.Kind <= kKeysUpDownKinds;
    if (chosen) SetChecked(kChoices[fields_.Kind - 1], true);
    SetFocus(Item(chosen ? kChoices[fields_.Kind - 1] : kChoices[0]));
    return false;
}

void KeysUpDownDialog::OnOK() {
    fields_.Kind = CheckedOf(kChoices, 0);
    Accept(AcceptKeysUpDown(fields_).Text);
}

}  // namespace tavrin
