#pragma once
// "Quillet Options": how typed Quillets are matched. The
// prefix keys are checked as they change and when they lose the focus.
#include "forms/quillet_options_form.h"
#include "store/settings.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class QuilletOptionsDialog : public ModalDialog {
public:
    // "&Ok" stores into s; the caller saves the settings.
    explicit QuilletOptionsDialog(Settings& s);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void OnCancel() override;
    // Shows the prefix keys' error, if any, and puts the focus back there.
    bool PrefixKeysValid();

    Settings& settings_;
    QuilletOptionsForm form_;
    // No checks while the dialog fills its fields, shows an error or closes
    // without storing.
    bool checking_ = true;
};

}  // namespace tavrin
