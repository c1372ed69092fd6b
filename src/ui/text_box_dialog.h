#pragma once
// The text box of "<TBOX:<HEAD:": a title and a text of
// several lines, until the user closes it.
#include <string>

#include "ui/modal_dialog.h"

namespace tavrin {

class TextBoxDialog : public ModalDialog {
public:
    TextBoxDialog(const std::string& title, const std::string& text);

private:
    bool OnInit() override;

    const std::string& title_;
    const std::string& text_;
};

}  // namespace tavrin
