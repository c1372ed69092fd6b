#include "app/macro_list_view.h"

#include <commctrl.h>

#include <cmath>

#include "app/main_window_res.h"
#include "app/screen_dpi.h"
#include "forms/fit_text.h"
#include "forms/macro_sort.h"
#include "language/ansi_text.h"
#include "triggers/activation_text.h"
#include "ui/list_custom_draw.h"

namespace tavrin {

namespace {

constexpr int kColumns = 5;
const char* const kTitles[kColumns] = {"", "Icon", "Activation", "Nickname", "Scope"};

HFONT MakeFont(const FontSpec& f, bool italic) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(f.Size, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontA(height, 0, 0, 0, f.Bold ? FW_BOLD : FW_NORMAL, italic || f.Italic,
                       f.Underline, f.Strikeout, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, f.Name.c_str());
}

// A font's colour as the settings keep it: red, green and blue in the low
// three bytes.
COLORREF FontColour(int32_t colour) { return static_cast<COLORREF>(colour) & 0xFFFFFF; }

SIZE TextSize(HDC dc, HFONT font, const std::string& text) {
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    return size;
}

}  // namespace

MacroListView::~MacroListView() {
    DeleteFonts();
    if (rowHeight_) ImageList_Destroy(rowHeight_);
}

void MacroListView::DeleteFonts() {
    for (HFONT* font : {&gridFont_, &inactiveFont_, &titleFont_}) {
        if (*font) DeleteObject(*font);
        *font = nullptr;
    }
}

void MacroListView::Create(HWND parent) {
    list_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT |
                                LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA |
                                LVS_SHAREIMAGELISTS,
                            0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMacroListControl)),
                            GetModuleHandleA(nullptr), nullptr);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    header_ = ListView_GetHeader(list_);
    for (int c = 0; c < kColumns; ++c) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(kTitles[c]);
        column.cx = 40;
        SendMessageA(list_, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    SetWindowSubclass(list_, ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(header_, HeaderProc, 0, reinterpret_cast<DWORD_PTR>(this));
    ApplyAppearance();
}

void MacroListView::ApplyAppearance() {
    DeleteFonts();
    gridFont_ = MakeFont(settings_.GridFont, false);
    inactiveFont_ = MakeFont(settings_.GridFont, true);
    titleFont_ = MakeFont(settings_.GridTitleFont, false);
    HDC dc = GetDC(list_);
    const int textHeight = TextSize(dc, gridFont_, "ZZYyjkla").cy;
    const int numberWidth = TextSize(dc, gridFont_, "9999").cx;
    ReleaseDC(list_, dc);
    const int rowHeight = static_cast<int>(std::lround(1.1 * textHeight));

    SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(gridFont_), FALSE);
    // The list makes its rows as tall as its small images: an image list of
    // that height and no images sets the row height.
    if (rowHeight_) ImageList_Destroy(rowHeight_);
    rowHeight_ = ImageList_Create(1, rowHeight - 1, ILC_COLOR, 0, 1);
    ListView_SetImageList(list_, rowHeight_, LVSIL_SMALL);
    SendMessageA(header_, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);

    applying_ = true;
    ListView_SetColumnWidth(list_, 0, numberWidth);
    ListView_SetColumnWidth(list_, 1, settings_.ShowIcons ? rowHeight : 0);
    for (int c = 2; c < kColumns; ++c)
        ListView_SetColumnWidth(list_, c, ToScreen(settings_.ColWidth[c - 2]));
    applying_ = false;
    // The list lays its header out again for the title font.
    RECT r;
    GetWindowRect(list_, &r);
    MapWindowPoints(nullptr, GetParent(list_), reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(list_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top + 1,
                 SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(list_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    InvalidateRect(list_, nullptr, TRUE);
}

void MacroListView::Fill() {
    const int selected = SelectedMacro();
    rows_ = FillList(store_, settings_);
    searchTexts_.clear();
    for (int n : rows_) searchTexts_.push_back(UpperCase(ActivationText(store_, n)));
    ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemCountEx(list_, static_cast<int>(rows_.size()), 0);
    if (rows_.empty()) {
        if (onSelectionChanged) onSelectionChanged();
        return;
    }
    if (selected == 0 || !SelectMacro(selected)) SelectRow(0);
    InvalidateRect(list_, nullptr, TRUE);
}

void MacroListView::Move(int left, int top, int width, int height) {
    MoveWindow(list_, left, top, width, height, TRUE);
}

int MacroListView::SelectedMacro() const {
    const int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
    return row >= 0 && row < RowCount() ? rows_[row] : 0;
}

bool MacroListView::SelectMacro(int n) {
    for (int row = 0; row < RowCount(); ++row) {
        if (rows_[row] == n) {
            SelectRow(row);
            return true;
        }
    }
    return false;
}

void MacroListView::SelectRow(int row) {
    ListView_SetItemState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list_, row, FALSE);
}

std::string MacroListView::CellText(int row, int column) const {
    if (row < 0 || row >= RowCount()) return "";
    const int n = rows_[row];
    switch (column) {
        case 0: return std::to_string(row + 1);
        case 2: return ActivationText(store_, n);
        case 3: return store_.NicknameOf(n);
        case 4: return ScopeText(store_, n);
        default: return "";
    }
}

// Each row is drawn whole: the number, the icon and the three texts, each
// cut to its cell.
void MacroListView::DrawRow(HDC dc, int row) {
    if (row < 0 || row >= RowCount()) return;
    const int n = rows_[row];
    RECT bounds;
    ListView_GetItemRect(list_, row, &bounds, LVIR_BOUNDS);
    const bool selected = ListView_GetItemState(list_, row, LVIS_SELECTED) != 0;
    const bool inactive = !store_.Table().ActiveOf(n);
    FillRect(dc, &bounds, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, gridFont_);
    int x = bounds.left;
    for (int c = 0; c < kColumns; ++c) {
        const int width = ListView_GetColumnWidth(list_, c);
        RECT cell{x, bounds.top, x + width, bounds.bottom};
        x += width;
        if (width <= 0) continue;
        if (c == 1) {
            const int side = cell.bottom - cell.top;
            const std::string& icon = store_.IconOf(n);
            DrawIconEx(dc, cell.left, cell.top, icons_.Icon(icon, store_.IconPath(icon)),
                       std::min(width, side), side, 0, nullptr, DI_NORMAL);
            continue;
        }
        const bool grey = inactive && c > 0;
        SelectObject(dc, grey ? inactiveFont_ : gridFont_);
        SetTextColor(dc, GetSysColor(grey       ? COLOR_GRAYTEXT
                                     : selected ? COLOR_HIGHLIGHTTEXT
                                                : COLOR_WINDOWTEXT));
        const std::string text = FitText(CellText(row, c), width - 2, [dc](const std::string& s) {
            SIZE size{};
            GetTextExtentPoint32A(dc, s.c_str(), static_cast<int>(s.size()), &size);
            return static_cast<int>(size.cx);
        });
        ExtTextOutA(dc, cell.left + 2, cell.top, ETO_CLIPPED, &cell, text.c_str(),
                    static_cast<UINT>(text.size()), nullptr);
    }
    SelectObject(dc, oldFont);
}

bool MacroListView::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.hwndFrom == header_ || (header.hwndFrom == list_ && header.code >= HDN_LAST &&
                                       header.code <= HDN_FIRST)) {
        const auto& h = reinterpret_cast<const NMHEADERA&>(header);
        switch (header.code) {
            case HDN_BEGINTRACKA:
            case HDN_BEGINTRACKW:
                // The number and icon columns keep the widths they are given.
                result = h.iItem < 2;
                tracking_ = !result;
                return true;
            // A width the user drags is told once, when the drag ends; one
            // changed otherwise (a double click on the divider) at once.
            case HDN_ENDTRACKA:
            case HDN_ENDTRACKW:
                tracking_ = false;
                if (onColumnsSized) onColumnsSized();
                return false;
            case HDN_ITEMCHANGEDA:
            case HDN_ITEMCHANGEDW:
                if (!applying_ && !tracking_ && onColumnsSized) onColumnsSized();
                return false;
        }
        return false;
    }
    if (header.hwndFrom != list_) return false;
    switch (header.code) {
        case LVN_GETDISPINFOA:
        case LVN_GETDISPINFOW: {
            auto& info = const_cast<NMLVDISPINFOA&>(reinterpret_cast<const NMLVDISPINFOA&>(header));
            if (!(info.item.mask & LVIF_TEXT)) return true;
            textBuffer_ = CellText(info.item.iItem, info.item.iSubItem);
            if (header.code == LVN_GETDISPINFOA) {
                lstrcpynA(info.item.pszText, textBuffer_.c_str(), info.item.cchTextMax);
            } else {
                auto& wide = reinterpret_cast<NMLVDISPINFOW&>(info);
                wideBuffer_.assign(textBuffer_.size() + 1, L'\0');
                MultiByteToWideChar(CP_ACP, 0, textBuffer_.c_str(), -1, &wideBuffer_[0],
                                    static_cast<int>(wideBuffer_.size()));
                lstrcpynW(wide.item.pszText, wideBuffer_.c_str(), wide.item.cchTextMax);
            }
            return true;
        }
        case LVN_ODFINDITEMA:
        case LVN_ODFINDITEMW:
            result = -1;  // typing is searched by the program itself
            return true;
        case LVN_ITEMCHANGED: {
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            if ((change.uChanged & LVIF_STATE) && onSelectionChanged) onSelectionChanged();
            return true;
        }
        case NM_CUSTOMDRAW: {
            auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(const_cast<NMHDR&>(header));
            result = ListCustomDraw(
                draw,
                [this](NMLVCUSTOMDRAW& item, int row) {
                    DrawRow(item.nmcd.hdc, row);
                    return static_cast<LRESULT>(CDRF_SKIPDEFAULT);
                },
                nullptr);
            return true;
        }
        case NM_RCLICK: {
            // On a row: Quick Info. Below the rows, the list's own menu
            // comes by WM_CONTEXTMENU.
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            if (click.iItem < 0 || click.iItem >= RowCount()) return false;
            SelectRow(click.iItem);
            if (onRowRightClick) onRowRightClick(rows_[click.iItem]);
            result = 1;
            return true;
        }
        case NM_DBLCLK: {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            if (click.iItem >= 0 && click.iItem < RowCount() && onRowDoubleClick)
                onRowDoubleClick(rows_[click.iItem]);
            return true;
        }
    }
    return false;
}

void MacroListView::OnTyped(char c) {
    const int row = search_.Typed(c, searchTexts_);
    if (row > 0) SelectRow(row - 1);
}

// Typing searches the activation texts; the focus moving, Ctrl, Alt and
// the navigation keys start a new search.
LRESULT CALLBACK MacroListView::ListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<MacroListView*>(data);
    switch (msg) {
        case WM_CHAR:
            self->OnTyped(static_cast<char>(wParam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            // A click below the rows keeps the selection: a macro stays
            // chosen for the commands while there is one.
            LVHITTESTINFO hit{};
            hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (ListView_HitTest(hwnd, &hit) < 0 && self->RowCount() > 0) {
                SetFocus(hwnd);
                return 0;
            }
            break;
        }
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        case WM_NOTIFY: {
            // The column titles in the colour of the title font.
            const auto& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(lParam);
            if (draw.hdr.hwndFrom != self->header_ || draw.hdr.code != NM_CUSTOMDRAW) break;
            if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
            if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
            SetTextColor(draw.hdc, FontColour(self->settings_.GridTitleFont.Color));
            return CDRF_NEWFONT;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_SYSKEYDOWN:
            self->search_.Reset();
            break;
        case WM_KEYDOWN:
            switch (wParam) {
                case VK_CONTROL: case VK_MENU: case VK_PRIOR: case VK_NEXT: case VK_END:
                case VK_HOME: case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
                    self->search_.Reset();
            }
            break;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

int MacroListView::HeaderColumnAt(LPARAM lParam) const {
    HDHITTESTINFO hit{};
    hit.pt.x = static_cast<short>(LOWORD(lParam));
    hit.pt.y = static_cast<short>(HIWORD(lParam));
    const int column = static_cast<int>(SendMessageA(header_, HDM_HITTEST, 0,
                                                     reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & HHT_ONHEADER) ? column : -1;
}

// A right click on a column title, pressed and released on the same title.
LRESULT CALLBACK MacroListView::HeaderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<MacroListView*>(data);
    if (msg == WM_RBUTTONDOWN) {
        self->titleDown_ = self->HeaderColumnAt(lParam);
        return 0;
    }
    if (msg == WM_RBUTTONUP) {
        const int column = self->HeaderColumnAt(lParam);
        const bool same = column >= 0 && column == self->titleDown_;
        self->titleDown_ = -1;
        if (same && self->onTitleRightClick) self->onTitleRightClick(kTitles[column]);
        return 0;
    }
    if (msg == WM_CONTEXTMENU) return 0;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace tavrin
