#pragma once
// "Speaker Controls", over its model in forms/speaker_form.h.
#include "forms/speaker_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class SpeakerDialog : public CommandDialog {
public:
    explicit SpeakerDialog(const SpeakerFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    SpeakerFields fields_;
};

}  // namespace tavrin
