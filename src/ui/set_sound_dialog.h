#pragma once
// "Set Sound": a beep or a wave file, which "&Test" plays.
#include "forms/set_sound_form.h"
#include "platform/win32/win32_file_system.h"
#include "ui/command_dialog.h"

namespace tavrin {

class SetSoundDialog : public CommandDialog {
public:
    explicit SetSoundDialog(const SetSoundFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void ReadFields();
    void Browse();
    void Test();

    SetSoundFields fields_;
    Win32FileSystem files_;
};

}  // namespace tavrin
