#include "ui/load_macro_file_dialog.h"

#include "ui/file_dialog.h"
#include "ui/load_macro_file_dialog_res.h"

namespace tavrin {

LoadMacroFileDialog::LoadMacroFileDialog(const LoadMacroFileFields& fields)
    : CommandDialog(kLoadMacroFileDialog, "Swap Macro File"), fields_(fields) {}

bool LoadMacroFileDialog::OnInit() {
    SetItemText(kMacroFilePath, fields_.Path);
    return true;
}

bool LoadMacroFileDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED || id != kMacroFileBrowse) return false;
    FileDialogRequest request;
    request.filter = "Tavrin (*.ZYN)\0*.ZYN\0";
    request.title = "Tavrin Files";
    const std::string path = ChooseFileName(Handle(), request);
    if (!path.empty()) SetItemText(kMacroFilePath, path);
    return true;
}

void LoadMacroFileDialog::OnOK() {
    fields_.Path = ItemText(kMacroFilePath);
    const auto answer = AcceptLoadMacroFile(fields_, files_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kMacroFilePath);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
