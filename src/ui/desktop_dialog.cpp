#include "ui/desktop_dialog.h"

#include "platform/win32/win32_shell_desktop.h"
#include "ui/desktop_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kChoices[kDesktopChoices] = {
    kDesktopChoice1,  kDesktopChoice2,  kDesktopChoice3,  kDesktopChoice4,  kDesktopChoice5,
    kDesktopChoice6,  kDesktopChoice7,  kDesktopChoice8,  kDesktopChoice9,  kDesktopChoice10,
    kDesktopChoice11, kDesktopChoice12, kDesktopChoice13, kDesktopChoice14, kDesktopChoice15,
    kDesktopChoice16, kDesktopChoice17, kDesktopChoice18, kDesktopChoice19, kDesktopChoice20,
    kDesktopChoice21, kDesktopChoice22, kDesktopChoice23, kDesktopChoice24, kDesktopChoice25,
};

}  // namespace

DesktopDialog::DesktopDialog(const DesktopFields& fields)
    : CommandDialog(kDesktopDialog, "Desktop Commands"), fields_(fields) {}

bool DesktopDialog::OnInit() {
    const bool automation = Win32ShellDesktop().AutomationUsable();
    for (int kind = 1; kind <= kDesktopChoices; ++kind)
        EnableItem(kChoices[kind - 1], DesktopChoiceEnabled(kind, automation));
    if (fields_.Kind < 1 || fields_.Kind > kDesktopChoices) return true;
    const int choice = kChoices[fields_.Kind - 1];
    SetChecked(choice, true);
    // A choice the system cannot take stays checked but takes no focus.
    if (!DesktopChoiceEnabled(fields_.Kind, automation)) return true;
    SetFocus(Item(choice));
    return false;
}

void DesktopDialog::OnOK() {
    fields_.Kind = CheckedOf(kChoices, 0);
    Accept(AcceptDesktop(fields_).Text);
}

}  // namespace tavrin
