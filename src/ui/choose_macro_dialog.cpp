#include "ui/choose_macro_dialog.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/choose_macro_dialog_res.h"
#include "ui/list_custom_draw.h"

namespace tavrin {

namespace {

constexpr int kTop = 20;  // the hint line above the lists
constexpr int kListGap = 4;
constexpr int kCancelWidth = 72;
constexpr int kCancelHeight = 20;
constexpr COLORREF kSilver = RGB(192, 192, 192);

// The character a key stands for in a list menu: digits and letters as
// themselves, other printable keys as a space; 0 for keys that move or do
// nothing.
char KeyCharacter(WORD vk) {
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return static_cast<char>(vk);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return static_cast<char>('0' + vk - VK_NUMPAD0);
    if (vk == VK_SPACE || (vk >= VK_MULTIPLY && vk <= VK_DIVIDE && vk != VK_SEPARATOR) ||
        (vk >= VK_OEM_1 && vk <= VK_OEM_3) || (vk >= VK_OEM_4 && vk <= VK_OEM_7))
        return ' ';
    return 0;
}

}  // namespace

ChooseMacroDialog::ChooseMacroDialog(const MenuRequest& request)
    : ModalDialog(kChooseMacroDialog), request_(request), icons_(request.iconPixels) {}

bool ChooseMacroDialog::OnInit() {
    const size_t count = request_.rows.size();
    const MenuLayout layout = LayoutMenu(request_.style, count, request_.iconPixels);
    RECT frame{0, 0, layout.clientWidth, layout.clientHeight};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
    const ScreenRect place =
        PlaceMenu(request_.rememberedX, frame.right - frame.left, frame.bottom - frame.top,
                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(Handle(), HWND_TOPMOST, place.left, place.top, place.width, place.height, 0);

    int cancelTop = 0;
    if (request_.style == MenuStyle::Icons) {
        ShowWindow(Item(kChooseHint), SW_HIDE);
        ShowWindow(Item(kChooseFirstList), SW_HIDE);
        ShowWindow(Item(kChooseSecondList), SW_HIDE);
        AddIconButtons(layout.buttonSize);
        cancelTop = layout.rows * layout.buttonSize + 1;
    } else {
        const int listWidth = layout.twoLists ? (layout.clientWidth - kListGap) / 2 : layout.clientWidth;
        MoveWindow(Item(kChooseHint), 4, 3, layout.clientWidth - 8, 14, FALSE);
        FillList(kChooseFirstList, 0, std::min(count, kMembersPerList), listWidth,
                 layout.firstListHeight, 0, kTop);
        if (layout.twoLists) {
            FillList(kChooseSecondList, kMembersPerList, count, listWidth, layout.secondListHeight,
                     listWidth + kListGap, kTop);
        } else {
            ShowWindow(Item(kChooseSecondList), SW_HIDE);
        }
        cancelTop = kTop + layout.firstListHeight + 1;
    }
    MoveWindow(Item(IDCANCEL), (layout.clientWidth - kCancelWidth) / 2, cancelTop, kCancelWidth,
               kCancelHeight, FALSE);
    SetForegroundWindow(Handle());
    if (request_.style != MenuStyle::Icons) {
        SetFocus(Item(kChooseFirstList));
        return false;
    }
    return true;
}

void ChooseMacroDialog::FillList(int id, size_t first, size_t last, int width, int height,
                                 int left, int top) {
    HWND list = Item(id);
    MoveWindow(list, left, top, width, height, FALSE);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    // Columns in sevenths of the row: the key, then the text, then (for
    // Nickname and Scope) the scope from five sevenths on.
    const int w = width - GetSystemMetrics(SM_CXVSCROLL) - 4;
    const std::vector<std::string> headings = MenuHeadings(request_.style);
    std::vector<int> widths = {w / 14};
    if (headings.size() == 1) {
        widths.push_back(w - w / 14);
    } else {
        widths.push_back(5 * w / 7 - w / 14);
        widths.push_back(w - 5 * w / 7);
    }
    for (size_t c = 0; c <= headings.size(); ++c) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = widths[c];
        std::string heading = c == 0 ? "" : headings[c - 1];
        column.pszText = &heading[0];
        ListView_InsertColumn(list, static_cast<int>(c), &column);
    }
    for (size_t r = first; r < last; ++r) {
        const MenuRow& row = request_.rows[r];
        char label[2] = {row.label, '\0'};
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(r - first);
        item.pszText = label;
        ListView_InsertItem(list, &item);
        std::string text = row.text;
        ListView_SetItemText(list, item.iItem, 1, &text[0]);
        if (headings.size() > 1) {
            std::string scope = row.scope;
            ListView_SetItemText(list, item.iItem, 2, &scope[0]);
        }
    }
    if (first == 0 && last > 0) {
        ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
}

void ChooseMacroDialog::AddIconButtons(int buttonSize) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    // Each button's hint is its member's nickname.
    HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                Handle(), nullptr, instance, nullptr);
    for (size_t i = 0; i < request_.rows.size(); ++i) {
        const MenuRow& row = request_.rows[i];
        HICON icon = icons_.Icon(row.iconFile, row.iconPath, row.isMenu);
        const int x = static_cast<int>(i % kIconsPerRow) * buttonSize;
        const int y = static_cast<int>(i / kIconsPerRow) * buttonSize;
        HWND button = CreateWindowExA(
            0, "BUTTON", row.nickname.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_ICON,
            x, y, buttonSize, buttonSize, Handle(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kChooseIconButton1 + i)), instance, nullptr);
        SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
        TOOLINFOA tip{};
        tip.cbSize = sizeof tip;
        tip.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tip.hwnd = Handle();
        tip.uId = reinterpret_cast<UINT_PTR>(button);
        std::string text = row.nickname;
        tip.lpszText = &text[0];
        if (tips) SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tip));
    }
}

int ChooseMacroDialog::RowOf(int listId, int item) const {
    if (item < 0) return -1;
    const size_t row = (listId == kChooseSecondList ? kMembersPerList : 0) + static_cast<size_t>(item);
    return row < request_.rows.size() ? static_cast<int>(row) : -1;
}

void ChooseMacroDialog::Choose(int row) {
    if (row < 0 || row >= static_cast<int>(request_.rows.size())) return;
    chosen_ = request_.rows[row].macro;
    End(IDOK);
}

bool ChooseMacroDialog::OnCommand(int id, int code) {
    const int button = id - kChooseIconButton1;
    if (code != BN_CLICKED || button < 0 || button >= static_cast<int>(request_.rows.size()))
        return false;
    Choose(button);
    return true;
}

bool ChooseMacroDialog::OnNotify(int id, const NMHDR& header) {
    if (id != kChooseFirstList && id != kChooseSecondList) return false;
    switch (header.code) {
        case NM_DBLCLK:
            Choose(RowOf(id, reinterpret_cast<const NMITEMACTIVATE&>(header).iItem));
            return true;
        case LVN_KEYDOWN: {
            const char key = KeyCharacter(reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
            if (key == 0) return false;
            Choose(MemberForKey(key, request_.rows.size()));
            return true;
        }
        case NM_CUSTOMDRAW: {
            // The key column on silver.
            auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(const_cast<NMHDR&>(header));
            const LRESULT result =
                ListCustomDraw(draw, nullptr, [](NMLVCUSTOMDRAW& cell, int, int column) {
                    cell.clrTextBk = column == 0 ? kSilver : GetSysColor(COLOR_WINDOW);
                    return static_cast<LRESULT>(CDRF_NEWFONT);
                });
            SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, result);
            return true;
        }
    }
    return false;
}

void ChooseMacroDialog::OnActivate() {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

// Enter: the selected row of the list that has the focus.
void ChooseMacroDialog::OnOK() {
    if (request_.style == MenuStyle::Icons) return;
    const int listId = GetFocus() == Item(kChooseSecondList) ? kChooseSecondList : kChooseFirstList;
    Choose(RowOf(listId, ListView_GetNextItem(Item(listId), -1, LVNI_SELECTED)));
}

}  // namespace tavrin
