#pragma once
// "Audio CD Controls": its ten choices, with the track or seconds field
// shown for going to a track, stepping and going back.
#include "forms/audio_cd_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class AudioCdDialog : public CommandDialog {
public:
    explicit AudioCdDialog(const AudioCdFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void ShowKind();

    AudioCdFields fields_;
};

}  // namespace tavrin
