#pragma once
// "Pause Window", bound to its model in forms/pause_window_form.h.
#include "forms/pause_window_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class PauseWindowDialog : public CommandDialog {
public:
    explicit PauseWindowDialog(const PauseFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    // The location and the message for a complex pause only.
    void Layout(int kind);

    PauseFields fields_;
};

}  // namespace tavrin
