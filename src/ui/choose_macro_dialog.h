#pragma once
// "Choose A Macro": the members of a popup menu of macros, in
// one or two lists with their keys 0 .. 9 and A .. Z, or as a grid of icon
// buttons; stays on top, and closes with the chosen member or none.
#include "triggers/menu_window.h"
#include "ui/macro_icons.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class ChooseMacroDialog : public ModalDialog {
public:
    explicit ChooseMacroDialog(const MenuRequest& request);
    // The chosen member's macro number, or -1.
    int Chosen() const { return chosen_; }

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(int id, const NMHDR& header) override;
    void OnActivate() override;
    void OnOK() override;

    void FillList(int id, size_t first, size_t last, int width, int height, int left, int top);
    void AddIconButtons(int buttonSize);
    void Choose(int row);
    // The row a list's item stands for, or -1.
    int RowOf(int listId, int item) const;

    const MenuRequest& request_;
    MacroIcons icons_;
    int chosen_ = -1;
};

}  // namespace tavrin
