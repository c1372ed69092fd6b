#pragma once
// "Clipboard": its seven choices, the path panel shown for a text file or
// a bitmap, "Ig&nore CR/LF" enabled only for typing out the text.
#include "forms/clipboard_form.h"
#include "platform/win32/win32_file_system.h"
#include "ui/command_dialog.h"

namespace tavrin {

class ClipboardDialog : public CommandDialog {
public:
    explicit ClipboardDialog(const ClipboardFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void ShowKind();
    void Browse();

    ClipboardFields fields_;
    Win32FileSystem files_;
};

}  // namespace tavrin
