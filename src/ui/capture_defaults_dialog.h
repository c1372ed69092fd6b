#pragma once
// "Capture Defaults": the capture settings, offered as
// the start of every capture. Controls that only mean something with another
// chosen are disabled without it.
#include "forms/capture_defaults_form.h"
#include "store/settings.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class CaptureDefaultsDialog : public ModalDialog {
public:
    // "&Ok" stores into s; the caller saves the settings.
    explicit CaptureDefaultsDialog(Settings& s);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void ReadControls();
    void EnableDependents();

    Settings& settings_;
    CaptureDefaultsForm form_;
};

}  // namespace tavrin
