#pragma once
// The repeat prompt of "<PROMPTREP>": stays on top and
// closes, whichever way, only once the field holds a count.
#include <cstdint>

#include "ui/modal_dialog.h"

namespace tavrin {

class RepeatPromptDialog : public ModalDialog {
public:
    RepeatPromptDialog();
    uint16_t Count() const { return count_; }

private:
    bool OnInit() override;
    void OnOK() override;
    void OnCancel() override { OnOK(); }

    uint16_t count_ = 0;
};

}  // namespace tavrin
