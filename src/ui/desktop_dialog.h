#pragma once
// "Desktop", over its model in forms/desktop_form.h.
#include "forms/desktop_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class DesktopDialog : public CommandDialog {
public:
    explicit DesktopDialog(const DesktopFields& fields);

private:
    bool OnInit() override;
    void OnOK() override;

    DesktopFields fields_;
};

}  // namespace tavrin
