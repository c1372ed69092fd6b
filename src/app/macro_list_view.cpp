#include "app/macro_list_view.h"

#include <commctrl.h>

#include <string>

#include "forms/macro_list.h"

namespace tavrin {

namespace {

constexpr int kColumns = 4;
constexpr int kNumberColumnWidth = 40;

}  // namespace

void MacroListView::Create(HWND parent, const Settings& settings) {
    list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                                LVS_SHOWSELALWAYS,
                            0, 0, 0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    const char* titles[kColumns] = {"", "Activation", "Nickname", "Scope"};
    for (int c = 0; c < kColumns; ++c) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(titles[c]);
        column.cx = c == 0 ? kNumberColumnWidth : settings.ColWidth[c - 1];
        SendMessageA(list_, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
}

void MacroListView::Fill(const MacroStore& store) {
    const int selected = SelectedMacro();
    SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list_);
    for (int n = 1; n <= store.MacroCount(); ++n) {
        const std::string texts[kColumns] = {std::to_string(n), ActivationText(store, n),
                                             store.NicknameOf(n), ScopeText(store, n)};
        LVITEMA item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = n - 1;
        item.lParam = n;
        item.pszText = const_cast<char*>(texts[0].c_str());
        SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int c = 1; c < kColumns; ++c) {
            item.mask = LVIF_TEXT;
            item.iSubItem = c;
            item.pszText = const_cast<char*>(texts[c].c_str());
            SendMessageA(list_, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
    // The same macro stays selected, else the first.
    if (store.MacroCount() > 0) {
        const int row = selected >= 1 && selected <= store.MacroCount() ? selected - 1 : 0;
        ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    }
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
}

void MacroListView::Move(const RECT& area) {
    MoveWindow(list_, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

void MacroListView::SetColumnWidths(const Settings& settings) {
    for (int c = 1; c < kColumns; ++c) ListView_SetColumnWidth(list_, c, settings.ColWidth[c - 1]);
}

int MacroListView::RowCount() const { return ListView_GetItemCount(list_); }

int MacroListView::SelectedMacro() const {
    const int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
    if (row < 0) return 0;
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<int>(item.lParam);
}

}  // namespace tavrin
