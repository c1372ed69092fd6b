#pragma once
// The window of "Window Controls" (forms/window_controls_form.h).
#include "forms/window_controls_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class WindowControlsDialog : public CommandDialog {
public:
    explicit WindowControlsDialog(const WindowControlsFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    WindowControlsFields fields_;
};

}  // namespace tavrin
