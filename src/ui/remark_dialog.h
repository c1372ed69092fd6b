#pragma once
// "Remark", bound to its model in forms/remark_form.h.
#include "forms/remark_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class RemarkDialog : public CommandDialog {
public:
    explicit RemarkDialog(const RemarkFields& fields);

private:
    bool OnInit() override;
    void OnOK() override;

    RemarkFields fields_;
};

}  // namespace tavrin
