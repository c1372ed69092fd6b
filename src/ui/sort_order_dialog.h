#pragma once
// "Sort Order": the order of the macro list's sort keys.
#include "forms/sort_order_form.h"
#include "store/settings.h"
#include "ui/modal_dialog.h"

namespace tavrin {

class SortOrderDialog : public ModalDialog {
public:
    // "&Ok" stores the orders and "Sort Header" into s; the caller saves
    // and refills the list.
    explicit SortOrderDialog(Settings& s);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    // List k (0 primary, 1 activation, 2 scope) shown with that item
    // selected, and its buttons.
    void FillList(int k, int selected);
    void EnableButtons(int k);

    Settings& settings_;
    SortOrderForm form_;
};

}  // namespace tavrin
