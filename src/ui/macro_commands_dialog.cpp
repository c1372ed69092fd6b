#include "ui/macro_commands_dialog.h"

#include "ui/macro_commands_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kKinds[] = {kMacroRunKind, kMacroDeleteKind, kMacroActivateKind,
                          kMacroDeactivateKind};

}  // namespace

MacroCommandsDialog::MacroCommandsDialog(const MacroCommandsFields& fields,
                                         const std::vector<MacroName>& macros)
    : CommandDialog(kMacroCommandsDialog, "Connect Macro"),
      fields_(fields),
      nicknames_(ListedNicknames(macros)) {}

bool MacroCommandsDialog::OnInit() {
    if (fields_.Kind >= 1 && fields_.Kind <= 4) SetChecked(kKinds[fields_.Kind - 1], true);
    SetItemText(kNicknameEdit, fields_.Nickname);
    for (const std::string& name : nicknames_)
        SendDlgItemMessageA(Handle(), kNicknameList, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(name.c_str()));
    return true;
}

std::string MacroCommandsDialog::Highlighted() const {
    const LRESULT k = SendDlgItemMessageA(Handle(), kNicknameList, LB_GETCURSEL, 0, 0);
    return k == LB_ERR ? std::string() : nicknames_[k];
}

bool MacroCommandsDialog::OnCommand(int id, int code) {
    if (id != kNicknameList || code != LBN_DBLCLK) return false;
    SetItemText(kNicknameEdit, Highlighted());
    return true;
}

void MacroCommandsDialog::OnOK() {
    fields_.Kind = CheckedOf(kKinds, 0);
    fields_.Nickname = ItemText(kNicknameEdit);
    fields_.Highlighted = Highlighted();
    const auto answer = AcceptMacroCommands(fields_);
    if (!answer.Ok()) {
        if (ShowRefusal(answer.Refused, kNicknameEdit)) {
            SetItemText(kNicknameEdit, fields_.Highlighted);
            OnOK();
        }
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
