// The main window's plain macro list and its caption.
#include "app/main_window.h"

#include <commctrl.h>
#include "forms/macro_list.h"

namespace tavrin {

void TMainWin::CreateList() {
    list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                            WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                            0, 0, 0, 0, hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    const char* titles[] = {"", "Activation", "Nickname", "Scope"};
    const int widths[] = {40, app_.settings.ColWidth[0], app_.settings.ColWidth[1],
                          app_.settings.ColWidth[2]};
    for (int c = 0; c < 4; ++c) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(titles[c]);
        column.cx = widths[c];
        SendMessageA(list_, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    LayoutList();
}

void TMainWin::LayoutList() {
    if (!list_) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    MoveWindow(list_, 0, 0, client.right, client.bottom, TRUE);
}

void TMainWin::FillList() {
    const MacroStore& store = app_.store;
    SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list_);
    for (int n = 1; n <= store.MacroCount(); ++n) {
        const std::string texts[4] = {std::to_string(n), ActivationText(store, n),
                                      store.NicknameOf(n), ScopeText(store, n)};
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = n - 1;
        item.lParam = n;
        item.pszText = const_cast<char*>(texts[0].c_str());
        SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int c = 1; c < 4; ++c) {
            item.mask = LVIF_TEXT;
            item.iSubItem = c;
            item.pszText = const_cast<char*>(texts[c].c_str());
            SendMessageA(list_, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
}

void TMainWin::DoCaption() {
    // The display name: the file name without its folder and its ".ZYN".
    const std::string& path = app_.settings.CurrentFile;
    std::string name = path.substr(path.find_last_of('\\') + 1);
    std::string displayName = name.size() >= 4 ? name.substr(0, name.size() - 4) : name;
    std::string caption = "Tavrin 99 (" + displayName + ")";
    if (app_.settings.ShowDate) {
        char date[64] = "", time[64] = "";
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
        GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
        caption += std::string("     ") + date + "  " + time;
    }
    if (options_.browseAllMode) {
        caption += "    (Browse All Mode)";
    } else if (options_.browseMode) {
        caption += "    (Browse Mode)";
    }
    SetWindowTextA(hwnd_, caption.c_str());
}

}  // namespace tavrin
