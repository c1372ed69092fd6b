#pragma once
// "Select Character": the replacement of one key, chosen in the grid of
// characters 32 .. 255 by a click and "&Ok", a double click, or by typing
// the character and Enter.
#include <cstdint>

#include "ui/modal_dialog.h"

namespace tavrin {

class SelectCharacterDialog : public ModalDialog {
public:
    explicit SelectCharacterDialog(uint8_t current);
    uint8_t Character() const { return character_; }

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    uint8_t character_;
};

}  // namespace tavrin
