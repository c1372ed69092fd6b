#pragma once
// The window of "Set Title" and "Set Program" (forms/set_scope_form.h),
// listing the windows or the programs running when it opens.
#include <string>
#include <vector>

#include "forms/set_scope_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class SetScopeDialog : public CommandDialog {
public:
    // fields.Program chooses "Set Program"; the name and the on-top choice
    // are the caller's current ones.
    explicit SetScopeDialog(const SetScopeFields& fields);
    // After "&Ok": the name (also the result text) and the on-top choice.
    const SetScopeValues& Chosen() const { return chosen_; }

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    std::string Highlighted() const;

    SetScopeFields fields_;
    SetScopeValues chosen_;
    std::vector<std::string> entries_;
};

}  // namespace tavrin
