#include "ui/date_time_dialog.h"

#include "ui/date_time_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kRowPixels = 16;  // at 96 dots per inch

}  // namespace

DateTimeDialog::DateTimeDialog(const DateTimeFields& fields)
    : CommandDialog(kDateTimeDialog, fields.Dates ? "Date Format" : "Time Format"), fields_(fields) {}

bool DateTimeDialog::OnInit() {
    const bool dates = fields_.Dates;
    SetWindowTextA(Handle(), dates ? "Dates" : "Times");
    SetItemText(kDateTimeHeading, dates ? "Select Date Format" : "Select Time Format");
    HWND list = Item(kDateTimeList);
    HDC dc = GetDC(Handle());
    const int rowHeight = MulDiv(kRowPixels, GetDeviceCaps(dc, LOGPIXELSY), 96);
    ReleaseDC(Handle(), dc);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, rowHeight);
    for (int format = 1; format <= DateTimeFormatCount(dates); ++format)
        SendMessageA(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(DateTimeFormatCode(dates, format).c_str()));
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(fields_.Format - 1), 0);
    SetChecked(kDateTimeNoZeros, fields_.NoLeadingZeros);
    LimitText(kDateTimeDays, kDateDaysChars);
    SetItemText(kDateTimeDays, fields_.Days);
    SetChecked(kDateTimeFuture, fields_.Future);
    SetChecked(kDateTimePast, !fields_.Future);
    ShowItems({kDateTimeSetDate, kDateTimeDays, kDateTimeDaysInto, kDateTimeFuture, kDateTimePast},
              dates);
    PlaceButtonsBelow(dates ? kDateTimeDays : kDateTimeNoZeros, {IDOK, IDCANCEL, IDHELP});
    SetFocus(list);
    CentreOnScreen();  // the layout for the choice changed its size
    return false;
}

bool DateTimeDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    if (msg != WM_DRAWITEM) return false;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlID != kDateTimeList) return false;
    DrawRow(item);
    return true;
}

void DateTimeDialog::DrawRow(const DRAWITEMSTRUCT& item) const {
    RECT row = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &row, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID != static_cast<UINT>(-1)) {
        const int format = static_cast<int>(item.itemID) + 1;
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        const std::string code = DateTimeFormatCode(fields_.Dates, format);
        const std::string example = DateTimeFormatExample(fields_.Dates, format);
        RECT left = row;
        left.left += 2;
        DrawTextA(item.hDC, code.c_str(), -1, &left, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        RECT right = row;
        right.left = (row.left + row.right) / 2;
        DrawTextA(item.hDC, example.c_str(), -1, &right, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &row);
}

void DateTimeDialog::OnOK() {
    const LRESULT row = SendMessageA(Item(kDateTimeList), LB_GETCURSEL, 0, 0);
    fields_.Format = row == LB_ERR ? 0 : static_cast<int>(row) + 1;
    fields_.NoLeadingZeros = IsChecked(kDateTimeNoZeros);
    fields_.Future = !IsChecked(kDateTimePast);
    fields_.Days = ItemText(kDateTimeDays);
    Accept(AcceptDateTime(fields_).Text);
}

}  // namespace tavrin
