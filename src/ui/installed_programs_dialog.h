#pragma once
// The window of "List of Installed Programs"
// (forms/installed_programs_form.h): two columns drawn by the dialog,
// the shortcut's name and the program's file name.
#include <vector>

#include "forms/installed_programs_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class InstalledProgramsDialog : public CommandDialog {
public:
    explicit InstalledProgramsDialog(const std::vector<InstalledProgram>& programs);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void Draw(const DRAWITEMSTRUCT& item) const;

    const std::vector<InstalledProgram>& programs_;
};

}  // namespace tavrin
