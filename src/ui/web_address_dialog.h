#pragma once
// "Internet Web Site" or, in its FTP mode, "Internet FTP": one address.
#include "forms/web_address_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class WebAddressDialog : public CommandDialog {
public:
    WebAddressDialog(const WebAddressFields& fields, bool ftp);

private:
    bool OnInit() override;
    void OnOK() override;

    WebAddressFields fields_;
    bool ftp_;
};

}  // namespace tavrin
