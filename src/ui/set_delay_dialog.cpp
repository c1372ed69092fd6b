#include "ui/set_delay_dialog.h"

#include "ui/set_delay_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kKindRadios[] = {kDelaySecondsRadio, kDelayMsRadio};

}  // namespace

SetDelayDialog::SetDelayDialog(const SetDelayFields& fields)
    : CommandDialog(kSetDelayDialog, "Delays"), fields_(fields) {}

bool SetDelayDialog::OnInit() {
    LimitText(kDelaySecondsEdit, 5);
    LimitText(kDelayMsEdit, 4);
    SetItemText(kDelaySecondsEdit, fields_.Seconds);
    SetItemText(kDelayMsEdit, fields_.Milliseconds);
    SetChecked(fields_.Kind == kDelayMilliseconds ? kDelayMsRadio : kDelaySecondsRadio, true);
    EnableField();
    SetFocus(Item(fields_.Kind == kDelayMilliseconds ? kDelayMsEdit : kDelaySecondsEdit));
    return false;
}

bool SetDelayDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED || (id != kDelaySecondsRadio && id != kDelayMsRadio)) return false;
    EnableField();
    return true;
}

void SetDelayDialog::EnableField() {
    fields_.Kind = CheckedOf(kKindRadios, fields_.Kind);
    EnableItem(kDelaySecondsEdit, fields_.Kind == kDelaySeconds);
    EnableItem(kDelayMsEdit, fields_.Kind == kDelayMilliseconds);
}

void SetDelayDialog::OnOK() {
    fields_.Kind = CheckedOf(kKindRadios, 0);
    fields_.Seconds = ItemText(kDelaySecondsEdit);
    fields_.Milliseconds = ItemText(kDelayMsEdit);
    const auto answer = AcceptSetDelay(fields_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused,
                    answer.Refused.Field == kDelaySecondsField ? kDelaySecondsEdit : kDelayMsEdit);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
