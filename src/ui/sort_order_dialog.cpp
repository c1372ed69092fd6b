#include "ui/sort_order_dialog.h"

#include "ui/sort_order_dialog_res.h"

namespace tavrin {

namespace {

// The list box, its buttons and its model, for each of the three lists.
struct Binding {
    int list, up, down;
    SortList SortOrderForm::*model;
};
const Binding kLists[] = {
    {kPrimarySortList, kPrimaryUpButton, kPrimaryDownButton, &SortOrderForm::primary},
    {kActivationSortList, kActivationUpButton, kActivationDownButton, &SortOrderForm::activation},
    {kScopeSortList, kScopeUpButton, kScopeDownButton, &SortOrderForm::scope},
};

}  // namespace

SortOrderDialog::SortOrderDialog(Settings& s)
    : ModalDialog(kSortOrderDialog), settings_(s), form_(s) {}

void SortOrderDialog::FillList(int k, int selected) {
    const Binding& b = kLists[k];
    SendDlgItemMessageA(Handle(), b.list, LB_RESETCONTENT, 0, 0);
    for (const std::string& caption : (form_.*b.model).Shown())
        SendDlgItemMessageA(Handle(), b.list, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(caption.c_str()));
    SendDlgItemMessageA(Handle(), b.list, LB_SETCURSEL, selected, 0);
    EnableButtons(k);
}

void SortOrderDialog::EnableButtons(int k) {
    const Binding& b = kLists[k];
    const int selected = static_cast<int>(SendDlgItemMessageA(Handle(), b.list, LB_GETCURSEL, 0, 0));
    EnableItem(b.up, (form_.*b.model).CanMoveUp(selected));
    EnableItem(b.down, (form_.*b.model).CanMoveDown(selected));
}

bool SortOrderDialog::OnInit() {
    for (int k = 0; k < 3; ++k) FillList(k, -1);
    SetChecked(kSortHeaderCheck, form_.sortHeader);
    return true;
}

bool SortOrderDialog::OnCommand(int id, int code) {
    for (int k = 0; k < 3; ++k) {
        const Binding& b = kLists[k];
        if (id == b.list && code == LBN_SELCHANGE) {
            EnableButtons(k);
            return true;
        }
        if ((id == b.up || id == b.down) && code == BN_CLICKED) {
            const int selected =
                static_cast<int>(SendDlgItemMessageA(Handle(), b.list, LB_GETCURSEL, 0, 0));
            SortList& list = form_.*b.model;
            FillList(k, id == b.up ? list.MoveUp(selected) : list.MoveDown(selected));
            return true;
        }
    }
    return false;
}

void SortOrderDialog::OnOK() {
    form_.sortHeader = IsChecked(kSortHeaderCheck);
    form_.Store(settings_);
    End(IDOK);
}

}  // namespace tavrin
