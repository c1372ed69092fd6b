#pragma once
// The window of "Activate/Launch Program" (forms/activate_launch_form.h).
#include "forms/activate_launch_form.h"
#include "platform/win32/win32_file_system.h"
#include "ui/command_dialog.h"

namespace tavrin {

class ActivateLaunchDialog : public CommandDialog {
public:
    explicit ActivateLaunchDialog(const ActivateLaunchFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    // Shows the panels of the choice taken; without the title panel the
    // launch panel moves up into its place.
    void Lay();

    ActivateLaunchFields fields_;
    Win32FileSystem files_;
    int launchRise_ = 0;  // pixels the launch panel stands above its place in the template
};

}  // namespace tavrin
