#include "ui/search_dialog.h"

#include "ui/search_dialog_res.h"

namespace tavrin {

SearchDialog::SearchDialog(const SearchFields& fields)
    : CommandDialog(kSearchDialog), fields_(fields) {}

bool SearchDialog::OnInit() {
    SetWindowTextA(Handle(), fields_.FindOnly ? "Find" : "Search and Replace");
    LimitText(kSearchFind, kSearchChars);
    LimitText(kSearchReplace, kSearchChars);
    SetItemText(kSearchFind, fields_.Find);
    SetItemText(kSearchReplace, fields_.Replace);
    EnableItem(kSearchReplaceLabel, !fields_.FindOnly);
    EnableItem(kSearchReplace, !fields_.FindOnly);
    SetFocus(Item(kSearchFind));
    SendMessageA(Item(kSearchFind), EM_SETSEL, 0, -1);
    return false;
}

void SearchDialog::OnOK() {
    fields_.Find = ItemText(kSearchFind);
    fields_.Replace = ItemText(kSearchReplace);
    const auto answer = AcceptSearch(fields_);
    values_ = answer.Entered;
    Accept(answer.Text);
}

}  // namespace tavrin
