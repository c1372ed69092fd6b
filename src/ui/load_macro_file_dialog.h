#pragma once
// The window of "Load A New Macro File" (forms/load_macro_file_form.h).
#include "forms/load_macro_file_form.h"
#include "platform/win32/win32_file_system.h"
#include "ui/command_dialog.h"

namespace tavrin {

class LoadMacroFileDialog : public CommandDialog {
public:
    explicit LoadMacroFileDialog(const LoadMacroFileFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    LoadMacroFileFields fields_;
    Win32FileSystem files_;
};

}  // namespace tavrin
