#include "ui/open_explorer_dialog.h"

#include "ui/folder_picker.h"
#include "ui/open_explorer_dialog_res.h"

namespace tavrin {
namespace {

constexpr size_t kFolderChars = 255;

}  // namespace

OpenExplorerDialog::OpenExplorerDialog(const OpenExplorerFields& fields)
    : CommandDialog(kOpenExplorerDialog, "Explorer"), fields_(fields) {}

bool OpenExplorerDialog::OnInit() {
    LimitText(kOpenExplorerFolderEdit, kFolderChars);
    SetItemText(kOpenExplorerFolderEdit, fields_.Folder);
    return true;
}

bool OpenExplorerDialog::OnCommand(int id, int code) {
    if (id != kOpenExplorerBrowse || code != BN_CLICKED) return false;
    const std::string folder = ChooseFolder(Handle(), "Please specify a directory");
    if (!folder.empty()) SetItemText(kOpenExplorerFolderEdit, folder);
    return true;
}

void OpenExplorerDialog::OnOK() {
    fields_.Folder = ItemText(kOpenExplorerFolderEdit);
    const auto answer = AcceptOpenExplorer(fields_, files_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kOpenExplorerFolderEdit);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
