#include "ui/appear_dialog.h"

#include <commdlg.h>

#include "ui/appear_dialog_res.h"

namespace tavrin {

namespace {

// The common font dialog over owner, opened on font; false when cancelled.
// Without effects it offers no colour, underline or strikeout.
bool ChooseFontSpec(HWND owner, bool effects, FontSpec& font) {
    HDC dc = GetDC(owner);
    const int pixelsPerInch = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(owner, dc);
    LOGFONTA logFont{};
    logFont.lfHeight = -MulDiv(font.Size, pixelsPerInch, 72);
    logFont.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = font.Italic;
    logFont.lfUnderline = font.Underline;
    logFont.lfStrikeOut = font.Strikeout;
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(logFont.lfFaceName, font.Name.c_str(), LF_FACESIZE);
    CHOOSEFONTA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.lpLogFont = &logFont;
    choice.rgbColors = static_cast<COLORREF>(font.Color);
    choice.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | (effects ? CF_EFFECTS : 0);
    if (!ChooseFontA(&choice)) return false;
    font.Name = logFont.lfFaceName;
    font.Size = choice.iPointSize / 10;
    font.Bold = logFont.lfWeight >= FW_BOLD;
    font.Italic = logFont.lfItalic != 0;
    font.Underline = logFont.lfUnderline != 0;
    font.Strikeout = logFont.lfStrikeOut != 0;
    if (effects) font.Color = static_cast<int32_t>(choice.rgbColors);
    return true;
}

}  // namespace

AppearDialog::AppearDialog(Settings& s) : ModalDialog(kAppearDialog), settings_(s), form_(s) {}

bool AppearDialog::OnInit() {
    for (int i = 0; i < 3; ++i) {
        LimitText(kColumn1WidthField + i, kColumnWidthChars);
        SetItemText(kColumn1WidthField + i, form_.ColumnWidths[i]);
    }
    SetChecked(form_.UseSpeed ? kSpeedButtonsRadio : kLetteredButtonsRadio, true);
    SetChecked(kShowIconsCheck, form_.ShowIcons);
    return true;
}

bool AppearDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id == kGridFontButton) {
        FontSpec chosen = form_.GridFont;
        if (ChooseFontSpec(Handle(), false, chosen)) form_.ChooseGridFont(chosen);
        return true;
    }
    if (id == kGridTitleFontButton) {
        ChooseFontSpec(Handle(), true, form_.GridTitleFont);
        return true;
    }
    return false;
}

void AppearDialog::OnOK() {
    for (int i = 0; i < 3; ++i) form_.ColumnWidths[i] = ItemText(kColumn1WidthField + i);
    form_.UseSpeed = IsChecked(kSpeedButtonsRadio);
    form_.ShowIcons = IsChecked(kShowIconsCheck);
    const AppearCheck check = form_.OkButtonClick(settings_);
    if (!check.Ok)
        return ShowFailure(check.Title, check.Message, kColumn1WidthField + check.FocusField);
    End(IDOK);
}

}  // namespace tavrin
