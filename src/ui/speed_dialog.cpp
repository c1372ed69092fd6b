#include "ui/speed_dialog.h"

#include "ui/speed_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kChoices[] = {kKeyboardSpeedRadio, kMouseSpeedRadio, kMacroSpeedRadio};

}  // namespace

SpeedDialog::SpeedDialog(const SpeedFields& fields)
    : CommandDialog(kSpeedDialog, "Keyboard and Mouse Speed"), fields_(fields) {}

bool SpeedDialog::OnInit() {
    LimitText(kSpeedEdit, kSpeedChars);
    SetItemText(kSpeedEdit, fields_.Value);
    const bool chosen = fields_.Kind >= kKeyboardSpeed && fields_.Kind <= kMacroSpeed;
    if (chosen) SetChecked(kChoices[fields_.Kind - 1], true);
    SetItemText(kSpeedLabel, SpeedLabel(fields_.Kind));
    SetFocus(Item(chosen ? kChoices[fields_.Kind - 1] : kChoices[0]));
    return false;
}

bool SpeedDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    for (int choice : kChoices)
        if (id == choice) {
            SetItemText(kSpeedLabel, SpeedLabel(CheckedOf(kChoices, 0)));
            return true;
        }
    return false;
}

void SpeedDialog::OnOK() {
    fields_.Kind = CheckedOf(kChoices, 0);
    fields_.Value = ItemText(kSpeedEdit);
    const auto answer = AcceptSpeed(fields_);
    if (!answer.Ok()) return void(ShowRefusal(answer.Refused, kSpeedEdit));
    Accept(answer.Text);
}

}  // namespace tavrin
