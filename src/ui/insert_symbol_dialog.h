#pragma once
// "Insert Symbol": one of the characters 128 to 255, chosen in a grid by
// "&Ok" or a double click, or an Alt keypad tag entered through the value
// dialog; the result is that character or that tag.
#include "ui/command_dialog.h"

namespace tavrin {

class InsertSymbolDialog : public CommandDialog {
public:
    // altKeypad: whether "&Alt Keypad Sequence" is offered.
    explicit InsertSymbolDialog(bool altKeypad = true);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    bool altKeypad_;
};

}  // namespace tavrin
