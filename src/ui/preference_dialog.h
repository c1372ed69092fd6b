#pragma once
// "Settings": how the program shows itself and what its close
// button does.
#include "forms/preference_form.h"
#include "store/settings.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class PreferenceDialog : public ModalDialog {
public:
    // "&Ok" stores into s; the caller applies Outcome() and saves.
    explicit PreferenceDialog(Settings& s);
    const PreferenceOutcome& Outcome() const { return outcome_; }

private:
    bool OnInit() override;
    void OnOK() override;

    Settings& settings_;
    PreferenceForm form_;
    PreferenceOutcome outcome_;
};

}  // namespace tavrin
