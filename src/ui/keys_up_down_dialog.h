#pragma once
// "Keys Up Or Down", bound to its model in forms/keys_up_down_form.h.
#include "forms/keys_up_down_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class KeysUpDownDialog : public CommandDialog {
public:
    explicit KeysUpDownDialog(const KeysUpDownFields& fields);

private:
    bool OnInit() override;
    void OnOK() override;

    KeysUpDownFields fields_;
};

}  // namespace tavrin
