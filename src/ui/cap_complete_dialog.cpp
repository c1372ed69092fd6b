#include "ui/cap_complete_dialog.h"

#include <commctrl.h>

#include "platform/hook_protocol.h"
#include "store/hot_key_codes.h"
#include "ui/cap_complete_dialog_res.h"

namespace tavrin {

CapCompleteDialog::CapCompleteDialog(MacroRecord& record, const std::string& program,
                                     MacroTable& table, HookLibrary& hooks,
                                     UserMessages& messages, bool global)
    : ModalDialog(kCapCompleteDialog),
      record_(record),
      program_(program),
      table_(table),
      hooks_(hooks),
      messages_(messages),
      form_(global) {}

bool CapCompleteDialog::OnInit() {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    LimitText(kCapNicknameField, 50);
    LimitText(kCapQuilletField, 10);
    SetItemText(kCapNicknameField, record_.Nickname);
    SetChecked(kCapHotKeysRadio, true);
    SetChecked(form_.Global ? kCapGlobalRadio : kCapProgramRadio, true);

    HWND list = Item(kCapHotKeyList);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    RECT area;
    GetClientRect(list, &area);
    const int nameWidth = (area.right - area.left) * 11 / 20;
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = nameWidth;
    ListView_InsertColumn(list, 0, &column);
    column.cx = area.right - area.left - nameWidth - GetSystemMetrics(SM_CXVSCROLL);
    ListView_InsertColumn(list, 1, &column);
    for (uint16_t code = 0; code < kHotKeyCodes; ++code) {
        std::string name = HotKeyName(code);
        std::string note = HotKeyUsageNote(table_, code);
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = code;
        item.pszText = name.data();
        ListView_InsertItem(list, &item);
        // The note without its leading spaces: the column keeps them apart.
        const size_t open = note.find('(');
        std::string shown = note.substr(open);
        ListView_SetItemText(list, code, 1, shown.data());
    }
    SetWindowSubclass(Handle(), KeyEntryProc, 1, reinterpret_cast<DWORD_PTR>(this));
    return true;
}

LRESULT CALLBACK CapCompleteDialog::KeyEntryProc(HWND hwnd, UINT msg, WPARAM wParam,
                                                 LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if (msg == kMsgKeyEntry) {
        reinterpret_cast<CapCompleteDialog*>(self)->ChooseHotKey(static_cast<int>(wParam));
        return 0;
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, KeyEntryProc, 1);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

void CapCompleteDialog::SetKeyEntry(bool on) {
    table_.SetU32(table::KeyEntryWindow,
                  static_cast<uint32_t>(reinterpret_cast<uintptr_t>(on ? Handle() : nullptr)));
    table_.SetByte(table::KeyEntryOn, on);
    hooks_.ZynUpWindow2(table_);
}

void CapCompleteDialog::ChooseHotKey(int code) {
    if (code < 0 || code >= static_cast<int>(kHotKeyCodes)) return;
    HWND list = Item(kCapHotKeyList);
    ListView_SetItemState(list, code, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, code, FALSE);
    SetItemText(kCapHotKeyField, HotKeyName(static_cast<uint16_t>(code)));
    SetChecked(kCapHotKeysRadio, true);
    SetChecked(kCapQuilletsRadio, false);
    SetChecked(kCapNoneRadio, false);
}

int CapCompleteDialog::SelectedHotKey() const {
    return ListView_GetNextItem(Item(kCapHotKeyList), -1, LVNI_SELECTED);
}

bool CapCompleteDialog::OnCommand(int id, int code) {
    if (id == kCapHotKeyField && (code == EN_SETFOCUS || code == EN_KILLFOCUS)) {
        SetKeyEntry(code == EN_SETFOCUS);
        return true;
    }
    return false;
}

bool CapCompleteDialog::OnNotify(int id, const NMHDR& header) {
    if (id != kCapHotKeyList || header.code != LVN_ITEMCHANGED) return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
        SetItemText(kCapHotKeyField, HotKeyName(static_cast<uint16_t>(change.iItem)));
    return true;
}

void CapCompleteDialog::OnOK() {
    form_.Nickname = ItemText(kCapNicknameField);
    form_.Type = IsChecked(kCapQuilletsRadio) ? CapCompleteForm::Kind::Quillet
                 : IsChecked(kCapNoneRadio)   ? CapCompleteForm::Kind::None
                                              : CapCompleteForm::Kind::HotKey;
    form_.Global = IsChecked(kCapGlobalRadio);
    form_.HotKey = SelectedHotKey();
    form_.Quillet = ItemText(kCapQuilletField);
    const CapCompleteForm::Failure failure = form_.Check(table_, messages_);
    if (failure.field != CapCompleteForm::kNone) {
        const int focus =
            failure.field == CapCompleteForm::kQuilletName ? kCapQuilletField : kCapHotKeyList;
        if (failure.message.empty()) {
            SetFocus(Item(focus));
        } else {
            ShowFailure("Error", failure.message, focus);
        }
        return;
    }
    form_.Apply(record_, program_);
    SetKeyEntry(false);
    End(IDOK);
}

void CapCompleteDialog::OnCancel() {
    SetKeyEntry(false);
    End(IDCANCEL);
}

}  // namespace tavrin
