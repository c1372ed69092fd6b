#include "ui/dial_up_dialog.h"

#include "ui/dial_up_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kChoices[] = {kDialUpDial, kDialUpHangUp};

}  // namespace

DialUpDialog::DialUpDialog(const DialUpFields& fields)
    : CommandDialog(kDialUpDialog, "Dial-Up Networking"), fields_(fields) {}

bool DialUpDialog::OnInit() {
    entries_ = dialUp_.EntryNames();
    for (const std::string& entry : entries_)
        SendDlgItemMessageA(Handle(), kDialUpEntries, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(entry.c_str()));
    SendDlgItemMessageA(Handle(), kDialUpEntries, LB_SETCURSEL, ListLine(entries_, fields_.Entry), 0);
    SetItemText(kDialUpUser, fields_.User);
    SetItemText(kDialUpPassword, fields_.Password);
    const bool chosen = fields_.Kind == 1 || fields_.Kind == 2;
    if (chosen) SetChecked(kChoices[fields_.Kind - 1], true);
    ShowPanels();
    CentreOnScreen();  // the layout for the choice changed its size
    if (!chosen) return true;
    SetFocus(Item(kChoices[fields_.Kind - 1]));
    return false;
}

bool DialUpDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id == kDialUpRetrieve) {
        Retrieve();
        return true;
    }
    if (id != kDialUpDial && id != kDialUpHangUp) return false;
    ShowPanels();
    return true;
}

void DialUpDialog::ShowPanels() {
    const bool dial = CheckedOf(kChoices, 0) == kDialChoice;
    ShowItems({kDialUpEntriesLabel, kDialUpEntries, kDialUpUserLabel, kDialUpUser,
               kDialUpPasswordLabel, kDialUpPassword, kDialUpRetrieve},
              dial);
    PlaceButtonsBelow(dial ? kDialUpPassword : kDialUpHangUp, {IDOK, IDCANCEL, IDHELP});
}

void DialUpDialog::ReadFields() {
    fields_.Kind = CheckedOf(kChoices, 0);
    const auto line = SendDlgItemMessageA(Handle(), kDialUpEntries, LB_GETCURSEL, 0, 0);
    fields_.Entry = line >= 0 && static_cast<size_t>(line) < entries_.size() ? entries_[line] : "";
    fields_.User = ItemText(kDialUpUser);
    fields_.Password = ItemText(kDialUpPassword);
}

void DialUpDialog::Retrieve() {
    ReadFields();
    const Refusal refusal = DialEntryRefusal(fields_);
    if (!refusal.Message.empty()) {
        ShowRefusal(refusal, kDialUpEntries);
        return;
    }
    std::string user;
    std::string password;
    if (!dialUp_.StoredLogon(fields_.Entry, user, password)) return;
    SetItemText(kDialUpUser, user);
    if (!password.empty()) SetItemText(kDialUpPassword, password);
}

void DialUpDialog::OnOK() {
    ReadFields();
    const auto answer = AcceptDialUp(fields_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kDialUpEntries);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
