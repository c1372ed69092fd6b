#pragma once
// "Open Explorer": the folder to open, typed or picked.
#include "forms/open_explorer_form.h"
#include "platform/win32/win32_file_system.h"
#include "ui/command_dialog.h"

namespace tavrin {

class OpenExplorerDialog : public CommandDialog {
public:
    explicit OpenExplorerDialog(const OpenExplorerFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    OpenExplorerFields fields_;
    Win32FileSystem files_;
};

}  // namespace tavrin
