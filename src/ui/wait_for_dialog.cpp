#include "ui/wait_for_dialog.h"

#include "language/wait_keys.h"
#include "ui/installed_programs.h"
#include "ui/wait_for_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kKindRadios[] = {kWaitTitleRadio, kWaitLoseRadio,  kWaitProgRadio,
                               kWaitKeyRadio,   kWaitTextRadio,  kWaitLeftRadio,
                               kWaitRightRadio, kWaitMiddleRadio, kWaitPlayBackRadio};

constexpr int kPanelTop = 112;  // dialog units: the field panels, or the time limit without one
constexpr int kTimeBelowPanel = 153;

}  // namespace

WaitForDialog::WaitForDialog(const WaitForFields& fields)
    : CommandDialog(kWaitForDialog, "Wait For Window"), fields_(fields) {}

bool WaitForDialog::OnInit() {
    LimitText(kWaitTitleEdit, 50);
    LimitText(kWaitMinutesEdit, 3);
    for (const char* key : kWaitKeyNames)
        SendDlgItemMessageA(Handle(), kWaitKeyList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key));
    SendDlgItemMessageA(Handle(), kWaitKeyList, CB_SETCURSEL, fields_.KeyPosition, 0);
    SetItemText(kWaitTitleEdit, fields_.Title);
    SetItemText(kWaitProgEdit, fields_.Program);
    SetItemText(kWaitTextEdit, fields_.Text);
    SetChecked(kWaitCaseCheck, fields_.CaseSensitive);
    SetItemText(kWaitMinutesEdit, fields_.Minutes);
    SetChecked(fields_.Limited ? kWaitLimitRadio : kWaitForeverRadio, true);
    if (fields_.Kind >= 1 && fields_.Kind <= kWaitForPlayback)
        SetChecked(kKindRadios[fields_.Kind - 1], true);
    Layout();
    CentreOnScreen();  // the layout for the choice changed its size
    return true;
}

bool WaitForDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id == kWaitListPrograms) {
        const std::string program = ChooseInstalledProgram(Handle());
        if (!program.empty()) SetItemText(kWaitProgEdit, program);
        return true;
    }
    for (int radio : kKindRadios)
        if (id == radio) {
            fields_.Kind = CheckedOf(kKindRadios, fields_.Kind);
            Layout();
            return true;
        }
    return false;
}

void WaitForDialog::Layout() {
    const int kind = fields_.Kind;
    const bool title = kind == kWaitForTitle || kind == kWaitForLoseFocus;
    ShowItems({kWaitTitleLabel, kWaitTitleHint, kWaitTitleEdit}, title);
    ShowItems({kWaitProgLabel, kWaitProgHint, kWaitProgEdit, kWaitListPrograms},
              kind == kWaitForProgram);
    ShowItems({kWaitKeyLabel, kWaitKeyList}, kind == kWaitForKey);
    ShowItems({kWaitTextLabel, kWaitTextEdit, kWaitCaseCheck}, kind == kWaitForText);
    const bool timed = kind != kWaitForPlayback;
    const std::initializer_list<int> time = {kWaitForeverRadio, kWaitLimitRadio, kWaitMinutesEdit,
                                             kWaitMinutesLabel};
    ShowItems(time, timed);
    const bool panel = kind >= kWaitForTitle && kind <= kWaitForText;
    PlaceItemsAt(time, panel ? kTimeBelowPanel : kPanelTop);
    PlaceButtonsBelow(timed ? kWaitLimitRadio : kWaitPlayBackRadio, {IDOK, IDCANCEL, IDHELP});
}

void WaitForDialog::OnOK() {
    fields_.Kind = CheckedOf(kKindRadios, 0);
    fields_.Title = ItemText(kWaitTitleEdit);
    fields_.Program = ItemText(kWaitProgEdit);
    fields_.KeyPosition =
        static_cast<int>(SendDlgItemMessageA(Handle(), kWaitKeyList, CB_GETCURSEL, 0, 0));
    fields_.Text = ItemText(kWaitTextEdit);
    fields_.CaseSensitive = IsChecked(kWaitCaseCheck);
    fields_.Limited = IsChecked(kWaitLimitRadio);
    fields_.Minutes = ItemText(kWaitMinutesEdit);
    const auto answer = AcceptWaitFor(fields_);
    if (!answer.Ok()) {
        constexpr int kFocus[] = {0, kWaitTitleEdit, kWaitProgEdit, kWaitKeyList, kWaitTextEdit,
                                  kWaitMinutesEdit};
        ShowRefusal(answer.Refused, kFocus[answer.Refused.Field]);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
