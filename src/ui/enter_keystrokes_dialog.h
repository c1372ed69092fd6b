#pragma once
// "Enter Keystrokes", the editor of the Text command: the memo, the key
// buttons with their "&Keys" and "FKe&ys" menus, the "Miscellaneous" keys,
// "Symbols", and find and replace, bound to forms/enter_keystrokes_form.h.
#include <cstddef>
#include <string>

#include "ui/command_dialog.h"

namespace tavrin {

class EnterKeystrokesDialog : public CommandDialog {
public:
    // text: what the memo holds at first (the line's text for an edit).
    explicit EnterKeystrokesDialog(const std::string& text);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

    void AddKeyButtons();
    // Inserts at the caret under the limit of the text.
    void Insert(const std::string& text);
    void FindNext();
    void Replace();

    std::string text_;
    std::string find_;    // the last text searched for
    size_t findFrom_ = 0;  // where the next search starts
};

}  // namespace tavrin
