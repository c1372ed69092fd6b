#include "ui/screen_setting_dialog.h"

#include "ui/screen_setting_dialog_res.h"

namespace tavrin {

ScreenSettingDialog::ScreenSettingDialog(const ScreenSettingFields& fields)
    : CommandDialog(kScreenSettingDialog, "Screen Setting"), fields_(fields) {}

bool ScreenSettingDialog::OnInit() {
    // One line for each mode the display driver lists, up to the first it does not.
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    for (DWORD k = 0; EnumDisplaySettingsA(nullptr, k, &mode); ++k) {
        const std::string line =
            DisplayModeLine(static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight),
                            static_cast<int>(mode.dmBitsPerPel),
                            static_cast<int>(mode.dmDisplayFrequency));
        SendDlgItemMessageA(Handle(), kScreenSettingList, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(line.c_str()));
    }
    SendDlgItemMessageA(Handle(), kScreenSettingList, LB_SETCURSEL, fields_.Line, 0);
    return true;
}

void ScreenSettingDialog::OnOK() {
    fields_.Line =
        static_cast<int>(SendDlgItemMessageA(Handle(), kScreenSettingList, LB_GETCURSEL, 0, 0));
    const auto answer = AcceptScreenSetting(fields_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kScreenSettingList);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
