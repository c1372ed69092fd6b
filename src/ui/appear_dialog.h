#pragma once
// "Appearance": the macro list's column widths and fonts, and
// the kind of buttons on the main window. The fonts are chosen in the common
// font dialog.
#include "forms/appear_form.h"
#include "store/settings.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class AppearDialog : public ModalDialog {
public:
    // "&Ok" stores into s when the widths pass; the caller then lays out the
    // main window again and saves.
    explicit AppearDialog(Settings& s);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    Settings& settings_;
    AppearForm form_;
};

}  // namespace tavrin
