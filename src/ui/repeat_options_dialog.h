#pragma once
// "Repeat Options": the count and the counter's start and step for a
// counted repeat, the width for a counter, nothing for the others.
#include "forms/repeat_options_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class RepeatOptionsDialog : public CommandDialog {
public:
    explicit RepeatOptionsDialog(const RepeatOptionsFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    void Layout();

    RepeatOptionsFields fields_;
};

}  // namespace tavrin
