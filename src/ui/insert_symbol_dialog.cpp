#include "ui/insert_symbol_dialog.h"

#include "forms/character_layout.h"
#include "ui/character_grid.h"
#include "ui/insert_symbol_dialog_res.h"
#include "ui/value_dialog.h"

namespace tavrin {
namespace {

// A cell's size at 96 dots per inch.
constexpr int kCellWidth = 26;
constexpr int kCellHeight = 24;

}  // namespace

InsertSymbolDialog::InsertSymbolDialog(bool altKeypad)
    : CommandDialog(kInsertSymbolDialog), altKeypad_(altKeypad) {
    RegisterCharacterGrid(GetModuleHandleA(nullptr));
}

bool InsertSymbolDialog::OnInit() {
    HWND grid = Item(kInsertSymbolGrid);
    SendMessageA(grid, kGridSetLayout, 0, reinterpret_cast<LPARAM>(&kInsertSymbolLayout));
    HDC dc = GetDC(Handle());
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(Handle(), dc);
    RECT place{};
    GetWindowRect(grid, &place);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
    RECT inner{};
    GetClientRect(grid, &inner);
    const int border = (place.right - place.left) - inner.right;
    const int width = kInsertSymbolLayout.Columns * MulDiv(kCellWidth, dpi, 96) + border;
    const int height = kInsertSymbolLayout.Rows * MulDiv(kCellHeight, dpi, 96) + border;
    MoveWindow(grid, place.left, place.top, width, height, FALSE);
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    RECT client{};
    GetClientRect(Handle(), &client);
    const int frameWidth = (frame.right - frame.left) - client.right;
    SetWindowPos(Handle(), nullptr, 0, 0, width + 2 * place.left + frameWidth,
                 frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
    ShowItems({kInsertSymbolAltKeypad}, altKeypad_);
    PlaceButtonsBelow(kInsertSymbolGrid, {IDOK, IDCANCEL, kInsertSymbolAltKeypad});
    GetWindowRect(Handle(), &frame);
    SetWindowPos(Handle(), nullptr,
                 (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    SetFocus(grid);
    CentreOnScreen();  // the layout for the choice changed its size
    return false;
}

bool InsertSymbolDialog::OnCommand(int id, int code) {
    if (id == kInsertSymbolGrid) {
        if (code == kGridChosen) OnOK();
        return true;
    }
    if (id == kInsertSymbolAltKeypad && code == BN_CLICKED) {
        ValueDialog keypad(ValueDialog::Mode::AltKeypad, "");
        keypad.Create(Handle());
        if (!keypad.ResultText().empty()) Accept(keypad.ResultText());
        return true;
    }
    return false;
}

void InsertSymbolDialog::OnOK() {
    const auto cell = static_cast<int>(SendMessageA(Item(kInsertSymbolGrid), kGridGetCell, 0, 0));
    Accept(CellText(kInsertSymbolLayout, cell));
}

}  // namespace tavrin
