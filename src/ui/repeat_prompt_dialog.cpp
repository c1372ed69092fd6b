#include "ui/repeat_prompt_dialog.h"

#include "forms/repeat_prompt_form.h"
#include "ui/repeat_prompt_dialog_res.h"

namespace tavrin {

RepeatPromptDialog::RepeatPromptDialog() : ModalDialog(kRepeatPromptDialog) {}

bool RepeatPromptDialog::OnInit() {
    LimitText(kRepeatCountField, kRepeatCountChars);
    SetForegroundWindow(Handle());
    SetFocus(Item(kRepeatCountField));
    return false;
}

void RepeatPromptDialog::OnOK() {
    const RepeatCheck check = CheckRepeatCount(ItemText(kRepeatCountField));
    if (!check.Ok) return ShowFailure(check.Title, check.Message, kRepeatCountField);
    count_ = check.Count;
    End(IDOK);
}

}  // namespace tavrin
