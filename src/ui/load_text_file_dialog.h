#pragma once
// "Load Text from a Text File": the text file the macro types, which
// "&Edit In Notepad" opens for editing.
#include "forms/load_text_file_form.h"
#include "platform/win32/win32_file_system.h"
#include "ui/command_dialog.h"

namespace tavrin {

class LoadTextFileDialog : public CommandDialog {
public:
    explicit LoadTextFileDialog(const LoadTextFileFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void Browse();
    void EditInNotepad();

    LoadTextFileFields fields_;
    Win32FileSystem files_;
};

}  // namespace tavrin
