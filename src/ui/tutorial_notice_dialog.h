#pragma once
// "User Manual Notice": the tutorial is a PDF document; "&Ok" goes on to
// open it.
#include "ui/modal_dialog.h"
#include "ui/tutorial_notice_dialog_res.h"

namespace tavrin {

class TutorialNoticeDialog : public ModalDialog {
public:
    TutorialNoticeDialog() : ModalDialog(kTutorialNoticeDialog) {}
};

}  // namespace tavrin
