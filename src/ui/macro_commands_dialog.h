#pragma once
// The window of "Macro Commands" (forms/macro_commands_form.h), listing the
// nicknames of the macros it is given.
#include <vector>

#include "forms/macro_commands_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class MacroCommandsDialog : public CommandDialog {
public:
    // macros: every macro of the table, in table order.
    MacroCommandsDialog(const MacroCommandsFields& fields, const std::vector<MacroName>& macros);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    std::string Highlighted() const;

    MacroCommandsFields fields_;
    std::vector<std::string> nicknames_;
};

}  // namespace tavrin
