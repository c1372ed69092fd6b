#pragma once
// "Keyboard Remapper": the four groups of the remap tables,
// each row a key's own character on silver and what it types instead, bold
// ("none" when it types nothing). A double click on the replacement, or F2
// or Space on a row, opens "Select Character" for it, except in the browse
// modes.
#include <windows.h>

#include <commctrl.h>

#include "forms/remap_form.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class RemapDialog : public ModalDialog {
public:
    RemapDialog(RemapForm& form, bool browsing);
    ~RemapDialog() override;

private:
    bool OnInit() override;
    bool OnNotify(int id, const NMHDR& header) override;

    void FillList(size_t group);
    void EditRow(size_t group, int row);
    bool CustomDraw(NMLVCUSTOMDRAW& draw);

    RemapForm& form_;
    bool browsing_;
    HFONT bold_ = nullptr;
};

}  // namespace tavrin
