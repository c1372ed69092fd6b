#pragma once
// "Play a Video Clip": the AVI file and when the macro plays it.
#include "forms/play_video_form.h"
#include "platform/win32/win32_file_system.h"
#include "ui/command_dialog.h"

namespace tavrin {

class PlayVideoDialog : public CommandDialog {
public:
    explicit PlayVideoDialog(const PlayVideoFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    PlayVideoFields fields_;
    Win32FileSystem files_;
};

}  // namespace tavrin
