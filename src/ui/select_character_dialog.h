#pragma once
// "Select Character": the replacement of one key, chosen in the grid of
// characters 32 .. 255 by a click and "&Ok", a double click, or by typing
// the character and Enter. It opens beside the row of the list it was
// opened for.
#include <cstdint>

#include "triggers/macro_menu.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class SelectCharacterDialog : public ModalDialog {
public:
    // row: the screen rectangle of the row it replaces the key of.
    SelectCharacterDialog(uint8_t current, const ScreenRect& row);
    uint8_t Character() const { return character_; }

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    uint8_t character_;
    ScreenRect row_;
};

}  // namespace tavrin
