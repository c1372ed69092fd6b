#pragma once
// "Mouse Commands", bound to its model in forms/mouse_commands_form.h.
#include "forms/mouse_commands_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class MouseCommandsDialog : public CommandDialog {
public:
    explicit MouseCommandsDialog(const MouseFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    // The panel of the choice beside the choices, the dialog as wide as it
    // needs.
    void Layout(int kind);
    void LaunchLocator();

    MouseFields fields_;
};

}  // namespace tavrin
