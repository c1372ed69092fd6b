#pragma once
// "Quick Info": one macro's activation, nickname, scope, state and text.
#include <windows.h>

#include "forms/quick_info_form.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class QuickInfoDialog : public ModalDialog {
public:
    QuickInfoDialog(const MacroRecord& record, HICON icon);

private:
    bool OnInit() override;

    const MacroRecord& record_;
    HICON icon_;
};

}  // namespace tavrin
