// The main window's small option dialogs.
#include "app/main_window.h"

#include "forms/quillet_options_form.h"
#include "platform/win32/modal_window.h"

namespace tavrin {

namespace {

enum { kUsePrefix = 101, kCaseSensitive, kSolitary, kPrefixField };

bool Checked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace

void TMainWin::MenuQuilletsClick() {
    QuilletOptionsForm form(app_.settings);
    ModalWindow dialog("Quillet Options", -1, -1, 240, 150, false);
    HWND usePrefix = dialog.AddCheck("Use &Prefix Keys", kUsePrefix, 12, 10, 140, 20,
                                     form.UsePrefixKeys);
    HWND prefix = dialog.AddEdit(160, 10, 40, 22, 2, 0, kPrefixField);
    SetWindowTextA(prefix, form.PrefixKeys.c_str());
    EnableWindow(prefix, form.UsePrefixKeys);
    HWND caseSensitive = dialog.AddCheck("Case &Sensitive", kCaseSensitive, 12, 40, 200, 20,
                                         form.CaseSensitive);
    HWND solitary = dialog.AddCheck("Solitary &Usage", kSolitary, 12, 66, 200, 20,
                                    form.SolitaryUsage);
    dialog.AddButton("&Ok", IDOK, 30, 110, 80, 26);
    dialog.AddButton("&Cancel", IDCANCEL, 130, 110, 80, 26);

    auto prefixIsValid = [&] {
        char text[8] = "";
        GetWindowTextA(prefix, text, sizeof text);
        form.PrefixKeys = text;
        const std::string error = form.PrefixKeysError();
        if (error.empty()) return true;
        MessageBoxA(dialog.Handle(), error.c_str(), "Error", MB_OK | MB_ICONERROR);
        SetFocus(prefix);
        return false;
    };
    const int result = dialog.Run([&](int id) {
        switch (id) {
            case kUsePrefix:
                EnableWindow(prefix, Checked(usePrefix));
                return false;
            case kPrefixField:
                prefixIsValid();
                return false;
            case IDOK:
                return prefixIsValid();
            case IDCANCEL:
                return true;
        }
        return false;
    });
    if (result != IDOK) return;
    form.UsePrefixKeys = Checked(usePrefix);
    form.CaseSensitive = Checked(caseSensitive);
    form.SolitaryUsage = Checked(solitary);
    form.OkButtonClick(app_.settings);
    SaveSettings(app_.profile, app_.settings);
}

}  // namespace tavrin
