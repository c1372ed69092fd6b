#include "ui/system_keys_dialog.h"

#include "platform/hook_protocol.h"
#include "ui/system_keys_dialog_res.h"

namespace tavrin {

SystemKeysDialog::SystemKeysDialog(SystemKeysForm& form, HookLibrary& hooks, MacroTable& table,
                                   UserMessages& messages, uint32_t mainWindow, int function)
    : ModalDialog(kSystemKeysDialog, "SYSTEM Hot Keys"),
      form_(form),
      hooks_(hooks),
      table_(table),
      messages_(messages),
      mainWindow_(mainWindow),
      function_(function >= 1 && function <= 4 ? function : 1) {}

bool SystemKeysDialog::OnInit() {
    for (int f = 1; f <= 4; ++f) {
        SetItemText(kSystemKeyField1 + f - 1, form_.KeyName(f));
        EnableItem(kSystemKeyField1 + f - 1, form_.MacroOf(f) != 0);
    }
    SetChecked(kSystemMenuFirstPart + form_.SystemMenu() - 1, true);
    SetFocus(Item(kSystemKeyField1 + function_ - 1));
    return false;
}

int SystemKeysDialog::FocusedFunction() const {
    for (int f = 1; f <= 4; ++f)
        if (GetFocus() == Item(kSystemKeyField1 + f - 1)) return f;
    return 0;
}

void SystemKeysDialog::KeyEntry(bool on) {
    table_.SetU32(table::KeyEntryWindow,
                  on ? static_cast<uint32_t>(reinterpret_cast<uintptr_t>(Handle())) : mainWindow_);
    table_.SetByte(table::KeyEntryOn, on ? 1 : 0);
    hooks_.ZynUpWindow2(table_);
}

bool SystemKeysDialog::OnCommand(int id, int code) {
    if (id < kSystemKeyField1 || id > kSystemKeyField1 + 3) return false;
    if (code == EN_SETFOCUS) KeyEntry(true);
    if (code == EN_KILLFOCUS) KeyEntry(false);
    return true;
}

bool SystemKeysDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM) {
    if (msg != kMsgKeyEntry) return false;
    const int f = FocusedFunction();
    if (f == 0) return true;
    const FormCheck check = form_.Press(f, static_cast<uint16_t>(wParam), messages_);
    if (check.ok) {
        SetItemText(kSystemKeyField1 + f - 1, form_.KeyName(f));
    } else if (!check.message.empty()) {
        ShowFailure(check.title, check.message, kSystemKeyField1 + f - 1);
    }
    return true;
}

void SystemKeysDialog::OnOK() {
    const FormCheck check = form_.CheckAll();
    if (!check.ok) return ShowFailure(check.title, check.message, kSystemKeyField1);
    for (int style = 1; style <= 3; ++style)
        if (IsChecked(kSystemMenuFirstPart + style - 1)) form_.SetSystemMenu(style);
    KeyEntry(false);
    End(IDOK);
}

void SystemKeysDialog::OnCancel() {
    KeyEntry(false);
    End(IDCANCEL);
}

}  // namespace tavrin
