#pragma once
// "System Controls", over its model in forms/system_controls_form.h.
#include "forms/system_controls_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class SystemControlsDialog : public CommandDialog {
public:
    explicit SystemControlsDialog(const SystemControlsFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    // Shows the panel of the checked choice and moves the buttons below it.
    void ShowPanels();
    // The coordinates count only for a positioned bitmap that is not tiled.
    void EnableStyles();

    SystemControlsFields fields_;
};

}  // namespace tavrin
