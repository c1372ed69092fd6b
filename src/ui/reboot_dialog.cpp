#include "ui/reboot_dialog.h"

#include <iterator>

#include "ui/reboot_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kChoices[] = {kRebootLogoff, kRebootReboot, kRebootShutDown, kRebootPowerOff};

}  // namespace

RebootDialog::RebootDialog(const RebootFields& fields)
    : CommandDialog(kRebootDialog, "Reboot"), fields_(fields) {}

bool RebootDialog::OnInit() {
    if (fields_.Kind < 1 || fields_.Kind > static_cast<int>(std::size(kChoices))) return true;
    const int choice = kChoices[fields_.Kind - 1];
    SetChecked(choice, true);
    SetFocus(Item(choice));
    return false;
}

void RebootDialog::OnOK() {
    fields_.Kind = CheckedOf(kChoices, 0);
    Accept(AcceptReboot(fields_).Text);
}

}  // namespace tavrin
