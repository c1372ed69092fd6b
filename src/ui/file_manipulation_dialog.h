#pragma once
// "File Manipulation": its five choices over one path, with the new name
// shown for a copy or a rename.
#include "forms/file_manipulation_form.h"
#include "platform/win32/win32_file_system.h"
#include "ui/command_dialog.h"

namespace tavrin {

class FileManipulationDialog : public CommandDialog {
public:
    explicit FileManipulationDialog(const FileManipulationFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    // The path's label, the new-name panel and the buttons for the choice.
    void ShowKind();
    void Browse();

    FileManipulationFields fields_;
    Win32FileSystem files_;
};

}  // namespace tavrin
