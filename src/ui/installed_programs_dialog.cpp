#include "ui/installed_programs_dialog.h"

#include "ui/installed_programs_dialog_res.h"

namespace tavrin {

InstalledProgramsDialog::InstalledProgramsDialog(const std::vector<InstalledProgram>& programs)
    : CommandDialog(kInstalledProgramsDialog), programs_(programs) {}

bool InstalledProgramsDialog::OnInit() {
    HWND list = Item(kInstalledList);
    // Rows a little taller than the font, for the line under each.
    HDC dc = GetDC(list);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, metrics.tmHeight + 3);
    for (const InstalledProgram& program : programs_)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(program.Name.c_str()));
    // The second heading stands over the second column, at three fifths.
    RECT client{};
    GetClientRect(list, &client);
    POINT column = {client.right * 3 / 5, 0};
    MapWindowPoints(list, Handle(), &column, 1);
    RECT heading{};
    GetWindowRect(Item(kInstalledExeHeading), &heading);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&heading), 2);
    SetWindowPos(Item(kInstalledExeHeading), nullptr, column.x + 2, heading.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    return true;
}

bool InstalledProgramsDialog::OnCommand(int id, int code) {
    if (id != kInstalledList || code != LBN_DBLCLK) return false;
    OnOK();
    return true;
}

bool InstalledProgramsDialog::OnMessage(UINT msg, WPARAM, LPARAM lParam) {
    if (msg != WM_DRAWITEM) return false;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlID != kInstalledList) return false;
    Draw(item);
    return true;
}

void InstalledProgramsDialog::Draw(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= programs_.size()) return;
    const InstalledProgram& program = programs_[item.itemID];
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const int column = r.left + (r.right - r.left) * 3 / 5;
    RECT name = {r.left + 2, r.top, column - 2, r.bottom - 1};
    DrawTextA(dc, program.Name.c_str(), -1, &name,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    RECT exe = {column + 2, r.top, r.right - 2, r.bottom - 1};
    DrawTextA(dc, program.Exe.c_str(), -1, &exe,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_GRAYTEXT));
    const HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, column, r.top, nullptr);
    LineTo(dc, column, r.bottom);
    MoveToEx(dc, r.left, r.bottom - 1, nullptr);
    LineTo(dc, r.right, r.bottom - 1);
    SelectObject(dc, old);
    DeleteObject(pen);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

void InstalledProgramsDialog::OnOK() {
    const LRESULT selected = SendDlgItemMessageA(Handle(), kInstalledList, LB_GETCURSEL, 0, 0);
    const auto answer = AcceptInstalledProgram(programs_, static_cast<int>(selected));
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kInstalledList);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
