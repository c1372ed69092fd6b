#pragma once
// "Set Delay": seconds or milliseconds, the field of the unit chosen enabled.
#include "forms/set_delay_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class SetDelayDialog : public CommandDialog {
public:
    explicit SetDelayDialog(const SetDelayFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void EnableField();

    SetDelayFields fields_;
};

}  // namespace tavrin
