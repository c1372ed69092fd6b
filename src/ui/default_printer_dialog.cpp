#include "ui/default_printer_dialog.h"

#include "platform/win32/win32_printers.h"
#include "ui/default_printer_dialog_res.h"

namespace tavrin {

DefaultPrinterDialog::DefaultPrinterDialog(const DefaultPrinterFields& fields)
    : CommandDialog(kDefaultPrinterDialog, "Default Printer"), fields_(fields) {}

bool DefaultPrinterDialog::OnInit() {
    choices_ = PrinterChoices(Win32Printers().Names());
    for (const std::string& name : choices_)
        SendDlgItemMessageA(Handle(), kDefaultPrinterList, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(name.c_str()));
    SendDlgItemMessageA(Handle(), kDefaultPrinterList, LB_SETCURSEL, ListLine(choices_, fields_.Name),
                        0);
    return true;
}

void DefaultPrinterDialog::OnOK() {
    const auto line =
        SendDlgItemMessageA(Handle(), kDefaultPrinterList, LB_GETCURSEL, 0, 0);
    fields_.Name = line >= 0 && static_cast<size_t>(line) < choices_.size() ? choices_[line] : "";
    const auto answer = AcceptDefaultPrinter(fields_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kDefaultPrinterList);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
