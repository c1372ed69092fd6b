#pragma once
// "System Hot Keys". While one of the four key fields has
// the focus the dialog is the hook library's key entry window: a pressed
// hot key comes here (message 0x401) instead of starting anything, and
// goes into that field unless it is in use or reserved and unwanted.
#include "forms/system_keys_form.h"
#include "platform/hook_library.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class SystemKeysDialog : public ModalDialog {
public:
    // function (1 .. 4) is the field that gets the focus. mainWindow takes
    // the key entry messages back when no field has the focus.
    SystemKeysDialog(SystemKeysForm& form, HookLibrary& hooks, MacroTable& table,
                     UserMessages& messages, uint32_t mainWindow, int function);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;

    void KeyEntry(bool on);
    int FocusedFunction() const;

    SystemKeysForm& form_;
    HookLibrary& hooks_;
    MacroTable& table_;
    UserMessages& messages_;
    uint32_t mainWindow_;
    int function_;
};

}  // namespace tavrin
