#include "ui/quick_info_dialog.h"

#include "ui/quick_info_dialog_res.h"

namespace tavrin {

namespace {

// A macro's LastModified in the system's short date format.
std::string ShortDate(double dayNumber) {
    const LocalDateTime d = DateOfDayNumber(dayNumber);
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(d.year);
    t.wMonth = static_cast<WORD>(d.month);
    t.wDay = static_cast<WORD>(d.day);
    char text[64] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, text, sizeof text);
    return text;
}

// Line breaks of the text box are CR LF.
std::string WithCrLf(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

}  // namespace

QuickInfoDialog::QuickInfoDialog(const MacroRecord& record, HICON icon)
    : ModalDialog(kQuickInfoDialog), record_(record), icon_(icon) {}

bool QuickInfoDialog::OnInit() {
    const QuickInfo info = QuickInfoOf(record_, ShortDate(record_.LastModified));
    SendDlgItemMessageA(Handle(), kInfoIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
    SetItemText(kInfoLastModified, info.lastModified);
    SetItemText(kInfoActivationLabel, info.activationLabel);
    SetItemText(kInfoActivationValue, info.activationValue);
    SetItemText(kInfoNickname, info.nickname);
    SetItemText(kInfoScope, info.scope);
    SetItemText(kInfoActive, info.active);
    SetItemText(kInfoMacroTextLabel, info.macroTextLabel);
    if (info.showMacroText) {
        SetItemText(kInfoMacroText, WithCrLf(record_.MacroText));
    } else {
        ShowWindow(Item(kInfoMacroText), SW_HIDE);
    }
    SetFocus(Item(IDOK));
    return false;
}

}  // namespace tavrin
