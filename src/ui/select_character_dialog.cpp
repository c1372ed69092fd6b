#include "ui/select_character_dialog.h"

#include "forms/popup_place.h"
#include "forms/remap_form.h"
#include "ui/character_grid.h"
#include "ui/remap_dialog_res.h"

namespace tavrin {

namespace {

constexpr int kCellPixels = 18;
constexpr int kMargin = 8;

}  // namespace

SelectCharacterDialog::SelectCharacterDialog(uint8_t current, const ScreenRect& row)
    : ModalDialog(kSelectCharacterDialog), character_(current), row_(row) {
    RegisterCharacterGrid(GetModuleHandleA(nullptr));
}

bool SelectCharacterDialog::OnInit() {
    const int gridWidth = kCharacterColumns * kCellPixels + 2;
    const int gridHeight = kCharacterRows * kCellPixels + 2;
    const int buttonsTop = kMargin + gridHeight + kMargin;
    RECT frame{0, 0, gridWidth + 2 * kMargin, buttonsTop + 26 + kMargin};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const ScreenRect place = PlaceBesideRow(
        row_, width, height, {work.left, work.top, work.right - work.left, work.bottom - work.top});
    SetWindowPos(Handle(), nullptr, place.left, place.top, width, height, SWP_NOZORDER);
    HWND grid = Item(kSelectCharacterGrid);
    MoveWindow(grid, kMargin, kMargin, gridWidth, gridHeight, FALSE);
    const int middle = kMargin + gridWidth / 2;
    MoveWindow(Item(IDOK), middle - 90, buttonsTop, 84, 26, FALSE);
    MoveWindow(Item(IDCANCEL), middle + 6, buttonsTop, 84, 26, FALSE);
    SendMessageA(grid, kGridSetCell, static_cast<WPARAM>(CharacterCell(character_)), 0);
    SetFocus(grid);
    return false;
}

bool SelectCharacterDialog::OnCommand(int id, int code) {
    if (id != kSelectCharacterGrid) return false;
    if (code == kGridChosen) OnOK();
    return true;
}

void SelectCharacterDialog::OnOK() {
    character_ = CellCharacter(static_cast<int>(SendMessageA(Item(kSelectCharacterGrid), kGridGetCell, 0, 0)));
    End(IDOK);
}

}  // namespace tavrin
