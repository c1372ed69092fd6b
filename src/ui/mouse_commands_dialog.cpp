#include "ui/mouse_commands_dialog.h"

#include <shellapi.h>

#include "forms/mouse_locator.h"
#include "ui/mouse_commands_dialog_res.h"
#include "ui/program_folder.h"

namespace tavrin {
namespace {

constexpr int kChoices[kMouseKinds] = {
    kMouseMoveRadio,       kLeftClickRadio,         kLeftDoubleClickRadio, kLeftDownRadio,
    kLeftUpRadio,          kRightClickRadio,        kRightDoubleClickRadio, kRightDownRadio,
    kRightUpRadio,         kMiddleClickRadio,       kMiddleDoubleClickRadio, kMiddleDownRadio,
    kMiddleUpRadio,        kWheelForwardRadio,      kWheelBackwardRadio};
constexpr int kRelatives[] = {kRelativeScreenRadio, kRelativeWindowRadio, kRelativeLastRadio};

// Client widths in dialog units: with a panel, and with the choices alone.
constexpr int kWideWidth = 300;
constexpr int kNarrowWidth = 172;

int FieldId(int field) {
    switch (field) {
        case kMouseXField: return kMouseXEdit;
        case kMouseYField: return kMouseYEdit;
        default: return kWheelClicksEdit;
    }
}

}  // namespace

MouseCommandsDialog::MouseCommandsDialog(const MouseFields& fields)
    : CommandDialog(kMouseCommandsDialog, "Mouse Commands"), fields_(fields) {}

bool MouseCommandsDialog::OnInit() {
    LimitText(kMouseXEdit, kMousePositionChars);
    LimitText(kMouseYEdit, kMousePositionChars);
    LimitText(kWheelClicksEdit, kWheelClicksChars);
    SetItemText(kMouseXEdit, fields_.X);
    SetItemText(kMouseYEdit, fields_.Y);
    SetItemText(kWheelClicksEdit, fields_.Clicks);
    if (fields_.RelativeTo >= 1 && fields_.RelativeTo <= 3)
        SetChecked(kRelatives[fields_.RelativeTo - 1], true);
    const bool chosen = fields_.Kind >= 1 && fields_.Kind <= kMouseKinds;
    if (chosen) SetChecked(kChoices[fields_.Kind - 1], true);
    Layout(fields_.Kind);
    CentreOnScreen();
    SetFocus(Item(chosen ? kChoices[fields_.Kind - 1] : kChoices[0]));
    return false;
}

void MouseCommandsDialog::Layout(int kind) {
    const MousePanel panel = MousePanelOf(kind);
    ShowItems({kMouseXLabel, kMouseXEdit, kMouseYLabel, kMouseYEdit, kRelativeScreenRadio,
               kRelativeWindowRadio, kRelativeLastRadio, kMouseLocatorButton},
              panel == MousePanel::Movement);
    ShowItems({kWheelClicksLabel, kWheelClicksEdit}, panel == MousePanel::Wheel);
    RECT width = {0, 0, panel == MousePanel::None ? kNarrowWidth : kWideWidth, 0};
    MapDialogRect(Handle(), &width);
    RECT client{};
    GetClientRect(Handle(), &client);
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    const int border = (frame.right - frame.left) - client.right;
    SetWindowPos(Handle(), nullptr, 0, 0, width.right + border, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
}

bool MouseCommandsDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id == kMouseLocatorButton) {
        LaunchLocator();
        return true;
    }
    for (int choice : kChoices)
        if (id == choice) {
            Layout(CheckedOf(kChoices, 0));
            return true;
        }
    return false;
}

void MouseCommandsDialog::LaunchLocator() {
    const std::string path = ProgramFolder() + "\\" + kMouseLocatorFile;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        MessageBoxA(Handle(), kMouseLocatorMissing, "Error", MB_OK | MB_ICONERROR);
        return;
    }
    ShellExecuteA(Handle(), "open", path.c_str(), kMouseLocatorParameters, nullptr,
                  SW_SHOWNORMAL);
}

void MouseCommandsDialog::OnOK() {
    fields_.Kind = CheckedOf(kChoices, 0);
    fields_.RelativeTo = CheckedOf(kRelatives, fields_.RelativeTo);
    fields_.X = ItemText(kMouseXEdit);
    fields_.Y = ItemText(kMouseYEdit);
    fields_.Clicks = ItemText(kWheelClicksEdit);
    const auto answer = AcceptMouse(fields_);
    if (!answer.Ok()) return void(ShowRefusal(answer.Refused, FieldId(answer.Refused.Field)));
    Accept(answer.Text);
}

}  // namespace tavrin
