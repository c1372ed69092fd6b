#pragma once
// "Wait For": one radio button per wait, the panel of its field below, the
// time limit under that.
#include "forms/wait_for_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class WaitForDialog : public CommandDialog {
public:
    explicit WaitForDialog(const WaitForFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    // Shows the panels of the wait chosen and moves the time limit and the
    // buttons up under them.
    void Layout();

    WaitForFields fields_;
};

}  // namespace tavrin
