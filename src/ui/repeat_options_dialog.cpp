#include "ui/repeat_options_dialog.h"

#include "ui/repeat_options_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kKindRadios[] = {kRepeatStartRadio, kRepeatPromptRadio, kRepeatEndRadio,
                               kRepeatCounterRadio};

}  // namespace

RepeatOptionsDialog::RepeatOptionsDialog(const RepeatOptionsFields& fields)
    : CommandDialog(kRepeatOptionsDialog, "Repeat Options"), fields_(fields) {}

bool RepeatOptionsDialog::OnInit() {
    LimitText(kRepeatCountEdit, 4);
    LimitText(kRepeatStartEdit, 6);
    LimitText(kRepeatStepEdit, 6);
    SetItemText(kRepeatCountEdit, fields_.Count);
    SetItemText(kRepeatStartEdit, fields_.CounterStart);
    SetItemText(kRepeatStepEdit, fields_.CounterStep);
    if (fields_.Kind >= kRepeatStart && fields_.Kind <= kRepeatCounter)
        SetChecked(kKindRadios[fields_.Kind - 1], true);
    Layout();
    CentreOnScreen();  // the layout for the choice changed its size
    return true;
}

bool RepeatOptionsDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    for (int radio : kKindRadios)
        if (id == radio) {
            fields_.Kind = CheckedOf(kKindRadios, fields_.Kind);
            Layout();
            return true;
        }
    return false;
}

void RepeatOptionsDialog::Layout() {
    const bool counted = fields_.Kind == kRepeatStart;
    const bool count = counted || fields_.Kind == kRepeatCounter;
    SetItemText(kRepeatCountLabel, counted ? "Repeat Count" : "Counter Width");
    ShowItems({kRepeatCountLabel, kRepeatCountEdit}, count);
    ShowItems({kRepeatStartLabel, kRepeatStartEdit, kRepeatStepLabel, kRepeatStepEdit}, counted);
    PlaceButtonsBelow(counted ? kRepeatStepEdit : count ? kRepeatCountEdit : kRepeatCounterRadio,
                      {IDOK, IDCANCEL, IDHELP});
}

void RepeatOptionsDialog::OnOK() {
    fields_.Kind = CheckedOf(kKindRadios, 0);
    fields_.Count = ItemText(kRepeatCountEdit);
    fields_.CounterStart = ItemText(kRepeatStartEdit);
    fields_.CounterStep = ItemText(kRepeatStepEdit);
    const auto answer = AcceptRepeatOptions(fields_);
    if (!answer.Ok()) {
        constexpr int kFocus[] = {0, kRepeatCountEdit, kRepeatStartEdit, kRepeatStepEdit};
        ShowRefusal(answer.Refused, kFocus[answer.Refused.Field]);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
