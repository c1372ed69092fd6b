#pragma once
// "Reboot or Shut Down", over its model in forms/reboot_form.h.
#include "forms/reboot_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class RebootDialog : public CommandDialog {
public:
    explicit RebootDialog(const RebootFields& fields);

private:
    bool OnInit() override;
    void OnOK() override;

    RebootFields fields_;
};

}  // namespace tavrin
