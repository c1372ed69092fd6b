#include "ui/system_controls_dialog.h"

#include <iterator>

#include "platform/win32/win32_file_system.h"
#include "ui/file_dialog.h"
#include "ui/system_controls_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kChoices[] = {kSystemSaverOn,   kSystemSaverOff,  kSystemSaverTime, kSystemKeyDelay,
                            kSystemKeySpeed,  kSystemWallpaper, kSystemBorder};
// In the order of WallpaperStyle from kWallpaperCentre, whose place (from 1)
// is the style.
constexpr int kStyles[] = {kSystemCentre, kSystemStretch, kSystemPosition};

}  // namespace

SystemControlsDialog::SystemControlsDialog(const SystemControlsFields& fields)
    : CommandDialog(kSystemControlsDialog, "System Controls"), fields_(fields) {}

bool SystemControlsDialog::OnInit() {
    LimitText(kSystemNumber, kSystemNumberChars);
    LimitText(kSystemX, kWallpaperCoordinateChars);
    LimitText(kSystemY, kWallpaperCoordinateChars);
    SetItemText(kSystemNumber, fields_.Number);
    SetItemText(kSystemBitmap, fields_.Bitmap);
    SetItemText(kSystemX, fields_.X);
    SetItemText(kSystemY, fields_.Y);
    SetChecked(kSystemTile, fields_.Tile);
    SetChecked(kStyles[fields_.Style - 1], true);
    EnableStyles();
    const bool chosen = fields_.Kind >= 1 && fields_.Kind <= static_cast<int>(std::size(kChoices));
    if (chosen) SetChecked(kChoices[fields_.Kind - 1], true);
    ShowPanels();
    CentreOnScreen();  // the layout for the choice changed its size
    if (!chosen) return true;
    SetFocus(Item(kChoices[fields_.Kind - 1]));
    return false;
}

bool SystemControlsDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id == kSystemTile || id == kSystemCentre || id == kSystemStretch || id == kSystemPosition) {
        EnableStyles();
        return true;
    }
    if (id == kSystemBrowse) {
        FileDialogRequest request;
        request.filter = "Bitmap (*.BMP)\0*.BMP\0";
        request.title = "Bitmap Files";
        const std::string chosen = ChooseFileName(Handle(), request);
        if (!chosen.empty()) SetItemText(kSystemBitmap, chosen);
        return true;
    }
    for (int choice : kChoices)
        if (id == choice) {
            ShowPanels();
            return true;
        }
    return false;
}

void SystemControlsDialog::ShowPanels() {
    const int kind = CheckedOf(kChoices, 0);
    const bool number = SystemNumberShown(kind);
    const bool wallpaper = kind == kWallpaperChoice;
    SetItemText(kSystemNumberLabel, SystemNumberLabel(kind));
    ShowItems({kSystemNumberLabel, kSystemNumber}, number);
    ShowItems({kSystemBitmapLabel, kSystemBitmap, kSystemBrowse, kSystemTile, kSystemCentre,
               kSystemStretch, kSystemPosition, kSystemPositionLabel, kSystemXLabel, kSystemX,
               kSystemYLabel, kSystemY},
              wallpaper);
    PlaceButtonsBelow(wallpaper ? kSystemX : number ? kSystemNumber : kSystemBorder,
                      {IDOK, IDCANCEL, IDHELP});
}

void SystemControlsDialog::EnableStyles() {
    const bool tiled = IsChecked(kSystemTile);
    for (int style : kStyles) EnableItem(style, !tiled);
    const bool position = !tiled && IsChecked(kSystemPosition);
    for (int id : {kSystemPositionLabel, kSystemXLabel, kSystemX, kSystemYLabel, kSystemY})
        EnableItem(id, position);
}

void SystemControlsDialog::OnOK() {
    fields_.Kind = CheckedOf(kChoices, 0);
    fields_.Number = ItemText(kSystemNumber);
    fields_.Tile = IsChecked(kSystemTile);
    fields_.Style = CheckedOf(kStyles, fields_.Style);
    fields_.X = ItemText(kSystemX);
    fields_.Y = ItemText(kSystemY);
    fields_.Bitmap = ItemText(kSystemBitmap);
    Win32FileSystem files;
    const auto answer = AcceptSystemControls(fields_, files);
    if (!answer.Ok()) {
        const int focus[] = {kSystemNumber, kSystemX, kSystemY, kSystemBitmap};
        ShowRefusal(answer.Refused, focus[answer.Refused.Field - kSystemNumberField]);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
