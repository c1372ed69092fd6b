#include "ui/activate_launch_dialog.h"

#include "ui/activate_launch_dialog_res.h"
#include "ui/file_dialog.h"

namespace tavrin {
namespace {

constexpr int kKinds[] = {kActLaunchActivateOnly, kActLaunchLaunchOnly, kActLaunchBoth,
                          kActLaunchEither};
constexpr int kTitlePanel[] = {kActLaunchTitleLabel, kActLaunchTitleNote, kActLaunchTitle};
constexpr int kLaunchPanel[] = {kActLaunchProgramLabel, kActLaunchProgram,
                                kActLaunchBrowse,       kActLaunchParametersLabel,
                                kActLaunchParameters,   kActLaunchDelayLabel,
                                kActLaunchDelay,        kActLaunchNote};
// Indexed by ActivateLaunchField.
constexpr int kFieldIds[] = {0, kActLaunchTitle, kActLaunchProgram, kActLaunchDelay};

}  // namespace

ActivateLaunchDialog::ActivateLaunchDialog(const ActivateLaunchFields& fields)
    : CommandDialog(kActivateLaunchDialog, "Activating Windows"), fields_(fields) {}

bool ActivateLaunchDialog::OnInit() {
    LimitText(kActLaunchTitle, kActivateTitleChars);
    LimitText(kActLaunchDelay, kActivateDelayChars);
    SetItemText(kActLaunchTitle, fields_.Title);
    SetItemText(kActLaunchProgram, fields_.Program);
    SetItemText(kActLaunchParameters, fields_.Parameters);
    SetItemText(kActLaunchDelay, fields_.Delay);
    if (fields_.Kind >= 1 && fields_.Kind <= 4) SetChecked(kKinds[fields_.Kind - 1], true);
    Lay();
    CentreOnScreen();  // the layout for the choice changed its size
    return true;
}

bool ActivateLaunchDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id == kActLaunchBrowse) {
        FileDialogRequest request;
        request.filter =
            "Executable (*.EXE)\0*.EXE\0Help Files (*.HLP)\0*.HLP\0All Files (*.*)\0*.*\0";
        const std::string path = ChooseFileName(Handle(), request);
        if (!path.empty()) SetItemText(kActLaunchProgram, path);
        return true;
    }
    for (int kind : kKinds)
        if (id == kind) {
            Lay();
            return true;
        }
    return false;
}

void ActivateLaunchDialog::Lay() {
    const int kind = CheckedOf(kKinds, 0);
    const bool title = kind != 2;
    const bool launch = kind != 1;
    for (int id : kTitlePanel) ShowItems({id}, title);
    for (int id : kLaunchPanel) ShowItems({id}, launch);
    const int rise = title ? 0
                           : ItemRect(kActLaunchProgramLabel).top + launchRise_ -
                                 ItemRect(kActLaunchTitleLabel).top;
    for (int id : kLaunchPanel) {
        const RECT r = ItemRect(id);
        SetWindowPos(Item(id), nullptr, r.left, r.top + launchRise_ - rise, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
    }
    launchRise_ = rise;
    PlaceButtonsBelow(launch ? kActLaunchNote : kActLaunchTitle, {IDOK, IDCANCEL, IDHELP});
}

void ActivateLaunchDialog::OnOK() {
    fields_.Kind = CheckedOf(kKinds, 0);
    fields_.Title = ItemText(kActLaunchTitle);
    fields_.Program = ItemText(kActLaunchProgram);
    fields_.Parameters = ItemText(kActLaunchParameters);
    fields_.Delay = ItemText(kActLaunchDelay);
    const auto answer = AcceptActivateLaunch(fields_, files_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kFieldIds[answer.Refused.Field]);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
