#pragma once
// "Capture Complete": after a quick capture, the name and the
// trigger of the new macro. The hot key is picked from the list of every
// hot key with its use, or by pressing it while the hot key field has the
// focus (the hook library then sends it here as message 0x401).
#include <string>

#include "base/macro_table.h"
#include "forms/cap_complete_form.h"
#include "platform/hook_library.h"
#include "platform/user_messages.h"
#include "store/macro_record.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class CapCompleteDialog : public ModalDialog {
public:
    // "&Ok" changes record; program is the one in front as the capture ended.
    CapCompleteDialog(MacroRecord& record, const std::string& program, MacroTable& table,
                      HookLibrary& hooks, UserMessages& messages, bool global);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(int id, const NMHDR& header) override;
    void OnOK() override;
    void OnCancel() override;
    static LRESULT CALLBACK KeyEntryProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    // The hook library sends pressed hot keys here while on.
    void SetKeyEntry(bool on);
    void ChooseHotKey(int code);
    int SelectedHotKey() const;

    MacroRecord& record_;
    std::string program_;
    MacroTable& table_;
    HookLibrary& hooks_;
    UserMessages& messages_;
    CapCompleteForm form_;
};

}  // namespace tavrin
