#pragma once
// What every command dialog shares over the modal dialog: the result text,
// set only by an "&Ok" whose checks all passed; refusals shown as the
// program shows them; panels shown by the choice taken, with the push
// buttons moved up beneath the last panel shown.
#include <initializer_list>
#include <string>

#include "forms/command_fields.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class CommandDialog : public ModalDialog {
public:
    // Empty when the dialog was cancelled or closed, or left with no choice.
    const std::string& ResultText() const { return result_; }

protected:
    using ModalDialog::ModalDialog;

    // A refusal: its message in a box titled "Error" with the focus then in
    // the field focusId, or its question in a Yes/No box titled "Error",
    // the focus going to that field on No. True when a question was
    // answered Yes.
    bool ShowRefusal(const Refusal& refusal, int focusId);
    // The result text, and the dialog closes.
    void Accept(const std::string& text);

    void ShowItems(std::initializer_list<int> ids, bool shown);
    // Moves a group of controls, keeping their places among themselves, so
    // that the top of the highest stands top dialog units below the client
    // area's top.
    void PlaceItemsAt(std::initializer_list<int> ids, int top);
    // Moves the push buttons (one row) to stand kGap dialog units below the
    // bottom of control below, and fits the dialog's height around them.
    void PlaceButtonsBelow(int below, std::initializer_list<int> buttons);
    // Centred on the screen at its present size, for a dialog whose layout
    // changed its size as it opened.
    void CentreOnScreen();

    // A control's rectangle in the dialog's client coordinates.
    RECT ItemRect(int id) const;

private:
    std::string result_;
};

}  // namespace tavrin
