#include "ui/value_dialog.h"

#include "forms/value_form.h"
#include "ui/value_dialog_res.h"

namespace tavrin {

ValueDialog::ValueDialog(Mode mode, const std::string& text)
    : CommandDialog(kValueDialog), mode_(mode), text_(text) {}

bool ValueDialog::OnInit() {
    const bool alt = mode_ == Mode::AltKeypad;
    SetWindowTextA(Handle(), alt ? "Alt Keypad Sequence" : "Scheduler Frequency");
    SetItemText(kValueLabel, alt ? "Keypad Numbers" : "Check Every");
    ShowItems({kValueUnit}, !alt);
    LimitText(kValueField, alt ? kAltKeypadChars : kSchedulerSecondsChars);
    SetItemText(kValueField, text_);
    SetFocus(Item(kValueField));
    return false;
}

void ValueDialog::OnOK() {
    const std::string typed = ItemText(kValueField);
    Refusal refused;
    std::string text;
    if (mode_ == Mode::AltKeypad) {
        const auto answer = AcceptAltKeypad({typed});
        refused = answer.Refused;
        text = answer.Text;
    } else {
        const auto answer = AcceptSchedulerFrequency({typed});
        refused = answer.Refused;
        text = answer.Text;
    }
    if (refused.Message.empty()) {
        Accept(text);
    } else {
        ShowRefusal(refused, kValueField);
    }
}

}  // namespace tavrin
