#include "ui/modal_dialog.h"

#include "forms/help_file.h"
#include "ui/program_folder.h"

namespace tavrin {

INT_PTR ModalDialog::Create(HWND owner) {
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                        DialogProc, reinterpret_cast<LPARAM>(this));
    hwnd_ = nullptr;
    return result;
}

std::string ModalDialog::ItemText(int id) const {
    HWND item = Item(id);
    std::string text(GetWindowTextLengthA(item) + 1, '\0');
    text.resize(GetWindowTextA(item, &text[0], static_cast<int>(text.size())));
    return text;
}

void ModalDialog::SetItemText(int id, const std::string& text) {
    SetDlgItemTextA(hwnd_, id, text.c_str());
}

void ModalDialog::ShowFailure(const std::string& title, const std::string& message, int focusId) {
    MessageBoxA(hwnd_, message.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
    SendMessageA(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(focusId)), TRUE);
}

void ModalDialog::OpenHelp() {
    const std::string path = ProgramFolder() + "\\" + kHelpFile;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        MessageBoxA(hwnd_, kHelpFileMissing, "Error", MB_OK | MB_ICONERROR);
        return;
    }
    WinHelpA(hwnd_, path.c_str(), HELP_KEY, reinterpret_cast<ULONG_PTR>(helpKeyword_));
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<ModalDialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        return self->OnInit() ? TRUE : FALSE;
    }
    auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;
    switch (msg) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int code = HIWORD(wParam);
            if (code == BN_CLICKED && id == IDOK) {
                self->OnOK();
                return TRUE;
            }
            if (code == BN_CLICKED && id == IDCANCEL) {
                self->OnCancel();
                return TRUE;
            }
            if (code == BN_CLICKED && id == IDHELP && self->helpKeyword_) {
                self->OpenHelp();
                return TRUE;
            }
            return self->OnCommand(id, code) ? TRUE : FALSE;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            return self->OnNotify(static_cast<int>(header->idFrom), *header) ? TRUE : FALSE;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) self->OnActivate();
            return FALSE;
    }
    return self->OnMessage(msg, wParam, lParam) ? TRUE : FALSE;
}

}  // namespace tavrin
