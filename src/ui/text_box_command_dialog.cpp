#include "ui/text_box_command_dialog.h"

#include "ui/text_box_command_dialog_res.h"

namespace tavrin {

TextBoxCommandDialog::TextBoxCommandDialog(const TextBoxFields& fields)
    : CommandDialog(kTextBoxCommandDialog, "Text Box"), fields_(fields) {}

bool TextBoxCommandDialog::OnInit() {
    LimitText(kBoxHeaderEdit, kBoxHeaderChars);
    LimitText(kBoxContentEdit, kBoxContentChars);
    SetItemText(kBoxHeaderEdit, fields_.Header);
    SetItemText(kBoxContentEdit, fields_.Content);
    return true;
}

void TextBoxCommandDialog::OnOK() {
    fields_.Header = ItemText(kBoxHeaderEdit);
    fields_.Content = ItemText(kBoxContentEdit);
    Accept(AcceptTextBox(fields_).Text);
}

}  // namespace tavrin
