#pragma once
// "Speed", bound to its model in forms/speed_form.h.
#include "forms/speed_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class SpeedDialog : public CommandDialog {
public:
    explicit SpeedDialog(const SpeedFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    SpeedFields fields_;
};

}  // namespace tavrin
