#include "ui/remark_dialog.h"

#include "ui/remark_dialog_res.h"

namespace tavrin {

RemarkDialog::RemarkDialog(const RemarkFields& fields)
    : CommandDialog(kRemarkDialog, "Remarks"), fields_(fields) {}

bool RemarkDialog::OnInit() {
    LimitText(kRemarkEdit, kRemarkChars);
    SetItemText(kRemarkEdit, fields_.Comment);
    return true;
}

void RemarkDialog::OnOK() {
    fields_.Comment = ItemText(kRemarkEdit);
    Accept(AcceptRemark(fields_).Text);
}

}  // namespace tavrin
