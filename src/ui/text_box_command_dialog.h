#pragma once
// "Display A Text Box", bound to its model in forms/text_box_command_form.h.
#include "forms/text_box_command_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class TextBoxCommandDialog : public CommandDialog {
public:
    explicit TextBoxCommandDialog(const TextBoxFields& fields);

private:
    bool OnInit() override;
    void OnOK() override;

    TextBoxFields fields_;
};

}  // namespace tavrin
