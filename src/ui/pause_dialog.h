#pragma once
// The pause dialog: floats on top where the pause request
// says, and hands the input focus back to the target window whenever it is
// activated, so the user goes on working there until Resume or Abort.
#include "platform/playback_ui.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class PauseDialog : public ModalDialog {
public:
    explicit PauseDialog(const PauseRequest& request);
    // Closes the open dialog as "&Resume" does.
    void Resume();

private:
    bool OnInit() override;
    void OnActivate() override;

    const PauseRequest& request_;
};

}  // namespace tavrin
