#include "ui/window_controls_dialog.h"

#include "ui/window_controls_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kKinds[] = {kControlsMaximize, kControlsMinimize, kControlsRestore,
                          kControlsClose,    kControlsHide,     kControlsShow,
                          kControlsShutDown};

}  // namespace

WindowControlsDialog::WindowControlsDialog(const WindowControlsFields& fields)
    : CommandDialog(kWindowControlsDialog, "System Commands"), fields_(fields) {}

bool WindowControlsDialog::OnInit() {
    SetChecked(fields_.CurrentWindow ? kControlsCurrent : kControlsSpecific, true);
    if (fields_.Kind >= 1 && fields_.Kind <= 7) SetChecked(kKinds[fields_.Kind - 1], true);
    SetItemText(kControlsTitle, fields_.Title);
    EnableItem(kControlsTitle, !fields_.CurrentWindow);
    return true;
}

bool WindowControlsDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED || (id != kControlsCurrent && id != kControlsSpecific)) return false;
    EnableItem(kControlsTitle, id == kControlsSpecific);
    return true;
}

void WindowControlsDialog::OnOK() {
    fields_.Kind = CheckedOf(kKinds, 0);
    fields_.CurrentWindow = IsChecked(kControlsCurrent);
    fields_.Title = ItemText(kControlsTitle);
    const auto answer = AcceptWindowControls(fields_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kControlsTitle);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
