#include "ui/pause_window_dialog.h"

#include "ui/pause_window_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kChoices[] = {kBasicPauseRadio, kComplexPauseRadio};

}  // namespace

PauseWindowDialog::PauseWindowDialog(const PauseFields& fields)
    : CommandDialog(kPauseWindowDialog, "Macro Pause"), fields_(fields) {}

bool PauseWindowDialog::OnInit() {
    LimitText(kPauseTopEdit, kPauseCoordinateChars);
    LimitText(kPauseLeftEdit, kPauseCoordinateChars);
    LimitText(kPauseWindowMessageEdit, kPauseMessageChars);
    SetItemText(kPauseTopEdit, fields_.Top);
    SetItemText(kPauseLeftEdit, fields_.Left);
    SetItemText(kPauseWindowMessageEdit, fields_.Message);
    const bool chosen = fields_.Kind == kBasicPause || fields_.Kind == kComplexPause;
    if (chosen) SetChecked(kChoices[fields_.Kind - 1], true);
    Layout(fields_.Kind);
    CentreOnScreen();
    SetFocus(Item(chosen ? kChoices[fields_.Kind - 1] : kChoices[0]));
    return false;
}

void PauseWindowDialog::Layout(int kind) {
    const bool complex = kind == kComplexPause;
    ShowItems({kPauseLocationGroup, kPauseTopLabel, kPauseTopEdit, kPauseLeftLabel,
               kPauseLeftEdit, kPauseWindowMessageLabel, kPauseWindowMessageEdit},
              complex);
    PlaceButtonsBelow(complex ? kPauseWindowMessageEdit : kComplexPauseRadio,
                      {IDOK, IDCANCEL, IDHELP});
}

bool PauseWindowDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED || (id != kBasicPauseRadio && id != kComplexPauseRadio)) return false;
    Layout(CheckedOf(kChoices, 0));
    return true;
}

void PauseWindowDialog::OnOK() {
    fields_.Kind = CheckedOf(kChoices, 0);
    fields_.Top = ItemText(kPauseTopEdit);
    fields_.Left = ItemText(kPauseLeftEdit);
    fields_.Message = ItemText(kPauseWindowMessageEdit);
    const auto answer = AcceptPause(fields_);
    if (!answer.Ok())
        return void(ShowRefusal(answer.Refused, answer.Refused.Field == kPauseTopField
                                                    ? kPauseTopEdit
                                                    : kPauseLeftEdit));
    Accept(answer.Text);
}

}  // namespace tavrin
