#include "ui/character_grid.h"

#include "forms/remap_form.h"

namespace tavrin {
namespace {

struct Grid {
    CharacterLayout layout = kSelectCharacterLayout;
    int cell = 0;
};

RECT CellRect(HWND hwnd, const CharacterLayout& layout, int cell) {
    RECT client;
    GetClientRect(hwnd, &client);
    const int w = client.right / layout.Columns;
    const int h = client.bottom / layout.Rows;
    const int c = CellColumn(layout, cell);
    const int r = CellRow(layout, cell);
    return RECT{c * w, r * h, (c + 1) * w, (r + 1) * h};
}

void Select(HWND hwnd, Grid& grid, int cell, bool notify) {
    if (cell < 0 || cell >= LayoutCells(grid.layout)) return;
    RECT old = CellRect(hwnd, grid.layout, grid.cell);
    InvalidateRect(hwnd, &old, TRUE);
    grid.cell = cell;
    RECT now = CellRect(hwnd, grid.layout, cell);
    InvalidateRect(hwnd, &now, TRUE);
    if (notify) {
        SendMessageA(GetParent(hwnd), WM_COMMAND,
                     MAKEWPARAM(GetDlgCtrlID(hwnd), kGridSelected), reinterpret_cast<LPARAM>(hwnd));
    }
}

void Paint(HWND hwnd, const Grid& grid) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    HGDIOBJ font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(GetParent(hwnd), WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    const bool focused = GetFocus() == hwnd;
    for (int cell = 0; cell < LayoutCells(grid.layout); ++cell) {
        RECT r = CellRect(hwnd, grid.layout, cell);
        const bool selected = cell == grid.cell;
        FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        char c = static_cast<char>(grid.layout.First + cell);
        DrawTextA(dc, &c, 1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (selected && focused) {
            InflateRect(&r, -2, -2);
            DrawFocusRect(dc, &r);
        }
    }
    SelectObject(dc, font);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK GridProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* grid = reinterpret_cast<Grid*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (msg) {
        case WM_NCCREATE:
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new Grid));
            break;
        case WM_NCDESTROY:
            delete grid;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            break;
        case WM_PAINT:
            Paint(hwnd, *grid);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case kGridSetCell:
            Select(hwnd, *grid, static_cast<int>(wParam), false);
            return 0;
        case kGridGetCell:
            return grid->cell;
        case kGridSetLayout:
            grid->layout = *reinterpret_cast<const CharacterLayout*>(lParam);
            grid->cell = 0;
            InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            SetFocus(hwnd);
            RECT first = CellRect(hwnd, grid->layout, 0);
            const int w = first.right > 0 ? first.right : 1;
            const int h = first.bottom > 0 ? first.bottom : 1;
            const int cell = CellAt(grid->layout, static_cast<short>(LOWORD(lParam)) / w,
                                    static_cast<short>(HIWORD(lParam)) / h);
            if (cell < 0) return 0;
            Select(hwnd, *grid, cell, true);
            if (msg == WM_LBUTTONDBLCLK) {
                SendMessageA(GetParent(hwnd), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(hwnd), kGridChosen), reinterpret_cast<LPARAM>(hwnd));
            }
            return 0;
        }
        case WM_KEYDOWN: {
            const CharacterLayout& layout = grid->layout;
            const int across = layout.DownColumns ? layout.Rows : 1;
            const int down = layout.DownColumns ? 1 : layout.Columns;
            int cell = grid->cell;
            switch (wParam) {
                case VK_LEFT: cell -= across; break;
                case VK_RIGHT: cell += across; break;
                case VK_UP: cell -= down; break;
                case VK_DOWN: cell += down; break;
                default: return 0;
            }
            Select(hwnd, *grid, cell, true);
            return 0;
        }
        case WM_CHAR: {
            const auto c = static_cast<uint8_t>(static_cast<char>(wParam));
            if (c >= grid->layout.First) Select(hwnd, *grid, c - grid->layout.First, true);
            return 0;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

void RegisterCharacterGrid(HINSTANCE instance) {
    WNDCLASSA wc{};
    if (GetClassInfoA(instance, kCharacterGridClass, &wc)) return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = GridProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kCharacterGridClass;
    RegisterClassA(&wc);
}

}  // namespace tavrin
