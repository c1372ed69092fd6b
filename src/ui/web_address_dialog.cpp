#include "ui/web_address_dialog.h"

#include "ui/web_address_dialog_res.h"

namespace tavrin {
namespace {

constexpr size_t kAddressChars = 255;

}  // namespace

WebAddressDialog::WebAddressDialog(const WebAddressFields& fields, bool ftp)
    : CommandDialog(kWebAddressDialog, ftp ? "Web FTP" : "Web Site URL"),
      fields_(fields),
      ftp_(ftp) {}

bool WebAddressDialog::OnInit() {
    if (ftp_) {
        SetWindowTextA(Handle(), "Internet FTP");
        SetItemText(kWebAddressLabel, "FTP URL");
    }
    LimitText(kWebAddressEdit, kAddressChars);
    SetItemText(kWebAddressEdit, fields_.Address);
    return true;
}

void WebAddressDialog::OnOK() {
    fields_.Address = ItemText(kWebAddressEdit);
    Accept(AcceptWebAddress(fields_, ftp_).Text);
}

}  // namespace tavrin
