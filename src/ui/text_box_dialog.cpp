#include "ui/text_box_dialog.h"

#include "ui/text_box_dialog_res.h"

namespace tavrin {

TextBoxDialog::TextBoxDialog(const std::string& title, const std::string& text)
    : ModalDialog(kTextBoxDialog), title_(title), text_(text) {}

bool TextBoxDialog::OnInit() {
    SetWindowTextA(Handle(), title_.c_str());
    // Line breaks of the macro text are CR LF already; a lone LF shows too.
    std::string shown;
    for (char c : text_) {
        if (c == '\n' && (shown.empty() || shown.back() != '\r')) shown += '\r';
        shown += c;
    }
    SetItemText(kTextBoxText, shown);
    SetForegroundWindow(Handle());
    SetFocus(Item(IDOK));
    return false;
}

}  // namespace tavrin
