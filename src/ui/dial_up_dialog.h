#pragma once
// "Dial-Up Networking", over its model in forms/dial_up_form.h.
#include <string>
#include <vector>

#include "forms/dial_up_form.h"
#include "platform/win32/win32_dial_up.h"
#include "ui/command_dialog.h"

namespace tavrin {

class DialUpDialog : public CommandDialog {
public:
    explicit DialUpDialog(const DialUpFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    // Shows the entry panel for dialling and moves the buttons below it.
    void ShowPanels();
    // The controls' texts and choice into fields_.
    void ReadFields();
    void Retrieve();

    DialUpFields fields_;
    Win32DialUp dialUp_;
    std::vector<std::string> entries_;
};

}  // namespace tavrin
