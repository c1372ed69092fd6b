#pragma once
// The window of "Size or Position a Window" (forms/size_window_form.h).
#include "forms/size_window_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class SizeWindowDialog : public CommandDialog {
public:
    explicit SizeWindowDialog(const SizeWindowFields& fields);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;
    // The title field for a specific window only; the two number fields
    // labelled and limited for the choice taken.
    void Lay();

    SizeWindowFields fields_;
};

}  // namespace tavrin
