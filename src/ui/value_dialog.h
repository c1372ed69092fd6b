#pragma once
// The value dialog in its "Alt Keypad Sequence" and "Scheduler Frequency"
// modes: one field, checked by forms/value_form.h.
#include <string>

#include "ui/command_dialog.h"

namespace tavrin {

class ValueDialog : public CommandDialog {
public:
    enum class Mode { AltKeypad, SchedulerFrequency };
    // text: what the field shows at first.
    ValueDialog(Mode mode, const std::string& text);

private:
    bool OnInit() override;
    void OnOK() override;

    Mode mode_;
    std::string text_;
};

}  // namespace tavrin
