#include "ui/remap_dialog.h"

#include <commctrl.h>

#include "ui/list_custom_draw.h"
#include "ui/remap_dialog_res.h"
#include "ui/select_character_dialog.h"

namespace tavrin {

namespace {

// The lists in the order of kRemapGroups: upper, lower, numeric, punctuation.
constexpr int kGroupLists[4] = {kRemapUpperList, kRemapLowerList, kRemapNumericList,
                                kRemapPunctuationList};
constexpr COLORREF kSilver = RGB(192, 192, 192);

int GroupOf(int listId) {
    for (int g = 0; g < 4; ++g)
        if (kGroupLists[g] == listId) return g;
    return -1;
}

}  // namespace

RemapDialog::RemapDialog(RemapForm& form, bool browsing)
    : ModalDialog(kRemapDialog), form_(form), browsing_(browsing) {}

RemapDialog::~RemapDialog() {
    if (bold_) DeleteObject(bold_);
}

bool RemapDialog::OnInit() {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    bold_ = CreateFontIndirectA(&font);
    for (size_t g = 0; g < 4; ++g) FillList(g);
    return true;
}

void RemapDialog::FillList(size_t group) {
    HWND list = Item(kGroupLists[group]);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    RECT client;
    GetClientRect(list, &client);
    const int width = (client.right - GetSystemMetrics(SM_CXVSCROLL)) / 2;
    const char* headings[2] = {"Key", "Types"};
    for (int c = 0; c < 2; ++c) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = LVCFMT_CENTER;
        column.cx = width;
        column.pszText = const_cast<char*>(headings[c]);
        ListView_InsertColumn(list, c, &column);
    }
    for (size_t row = 0; row < kRemapGroups[group].size; ++row) {
        const size_t position = RemapForm::Position(group, row);
        std::string key = RemapCellText(DefaultRemapCharacter(position));
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(row);
        item.pszText = &key[0];
        ListView_InsertItem(list, &item);
        std::string types = RemapCellText(form_.At(position));
        ListView_SetItemText(list, item.iItem, 1, &types[0]);
    }
    ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void RemapDialog::EditRow(size_t group, int row) {
    if (browsing_ || row < 0 || static_cast<size_t>(row) >= kRemapGroups[group].size) return;
    const size_t position = RemapForm::Position(group, static_cast<size_t>(row));
    HWND list = Item(kGroupLists[group]);
    RECT bounds;
    ListView_GetItemRect(list, row, &bounds, LVIR_BOUNDS);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
    SelectCharacterDialog select(
        form_.At(position),
        {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top});
    if (select.Create(Handle()) != IDOK) return;
    form_.Set(position, select.Character());
    std::string types = RemapCellText(form_.At(position));
    ListView_SetItemText(list, row, 1, &types[0]);
}

bool RemapDialog::OnNotify(int id, const NMHDR& header) {
    const int group = GroupOf(id);
    if (group < 0) return false;
    switch (header.code) {
        case NM_DBLCLK: {
            const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
            if (activate.iSubItem == 1) EditRow(static_cast<size_t>(group), activate.iItem);
            return true;
        }
        case LVN_KEYDOWN: {
            const WORD key = reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey;
            if (key != VK_F2 && key != VK_SPACE) return false;
            EditRow(static_cast<size_t>(group),
                    ListView_GetNextItem(header.hwndFrom, -1, LVNI_SELECTED));
            return true;
        }
        case NM_CUSTOMDRAW: {
            auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(const_cast<NMHDR&>(header));
            return CustomDraw(draw);
        }
    }
    return false;
}

// The key column on silver; a replacement bold, "none" in regular type.
bool RemapDialog::CustomDraw(NMLVCUSTOMDRAW& draw) {
    const LRESULT result =
        ListCustomDraw(draw, nullptr, [this](NMLVCUSTOMDRAW& cell, int row, int column) {
            HWND list = cell.nmcd.hdr.hwndFrom;
            const bool selected = ListView_GetItemState(list, row, LVIS_SELECTED) != 0;
            bool bold = false;
            if (column == 0 && !selected) cell.clrTextBk = kSilver;
            if (column == 1) {
                const int group = GroupOf(static_cast<int>(cell.nmcd.hdr.idFrom));
                const size_t position =
                    RemapForm::Position(static_cast<size_t>(group), static_cast<size_t>(row));
                if (!selected) cell.clrTextBk = GetSysColor(COLOR_WINDOW);
                if (form_.At(position) != 0) bold = true;
            }
            SelectObject(cell.nmcd.hdc,
                         bold ? bold_
                              : reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
            return static_cast<LRESULT>(CDRF_NEWFONT);
        });
    SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, result);
    return true;
}

}  // namespace tavrin
