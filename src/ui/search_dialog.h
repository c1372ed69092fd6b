#pragma once
// "Search and Replace", or "Find" with the replacement disabled: the texts
// of forms/search_form.h.
#include "forms/search_form.h"
#include "ui/command_dialog.h"

namespace tavrin {

class SearchDialog : public CommandDialog {
public:
    explicit SearchDialog(const SearchFields& fields);
    // Both texts, once "&Ok" found something to find.
    const SearchValues& Values() const { return values_; }

private:
    bool OnInit() override;
    void OnOK() override;

    SearchFields fields_;
    SearchValues values_;
};

}  // namespace tavrin
