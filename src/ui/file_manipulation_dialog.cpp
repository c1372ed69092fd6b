#include "ui/file_manipulation_dialog.h"

#include "ui/file_dialog.h"
#include "ui/file_manipulation_dialog_res.h"
#include "ui/folder_picker.h"

namespace tavrin {
namespace {

constexpr int kKindRadios[] = {kFileManipulationChangeDir, kFileManipulationCopy,
                               kFileManipulationRename, kFileManipulationDelete,
                               kFileManipulationMakeDir};
constexpr size_t kPathChars = 255;

}  // namespace

FileManipulationDialog::FileManipulationDialog(const FileManipulationFields& fields)
    : CommandDialog(kFileManipulationDialog, "File Commands"), fields_(fields) {}

bool FileManipulationDialog::OnInit() {
    if (fields_.Kind >= 1 && fields_.Kind <= 5) SetChecked(kKindRadios[fields_.Kind - 1], true);
    LimitText(kFileManipulationPathEdit, kPathChars);
    LimitText(kFileManipulationNewNameEdit, kPathChars);
    SetItemText(kFileManipulationPathEdit, fields_.Path);
    SetItemText(kFileManipulationNewNameEdit, fields_.NewName);
    ShowKind();
    CentreOnScreen();  // the layout for the choice changed its size
    return true;
}

bool FileManipulationDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id == kFileManipulationBrowse) {
        Browse();
        return true;
    }
    for (int radio : kKindRadios)
        if (id == radio) {
            ShowKind();
            return true;
        }
    return false;
}

void FileManipulationDialog::ShowKind() {
    const int kind = CheckedOf(kKindRadios, 0);
    SetItemText(kFileManipulationPathLabel,
                FileManipulationOfFolder(kind) ? "Directory/Folder" : "Text File Path/Name");
    const bool newName = FileManipulationHasNewName(kind);
    ShowItems({kFileManipulationNewNameLabel, kFileManipulationNewNameEdit}, newName);
    PlaceButtonsBelow(newName ? kFileManipulationNewNameEdit : kFileManipulationBrowse,
                      {IDOK, IDCANCEL, IDHELP});
}

void FileManipulationDialog::Browse() {
    std::string path;
    if (FileManipulationOfFolder(CheckedOf(kKindRadios, 0))) {
        path = ChooseFolder(Handle(), "Please specify a directory");
    } else {
        FileDialogRequest request;
        request.filter = "All Files (*.*)\0*.*\0";
        request.title = "All Files";
        path = ChooseFileName(Handle(), request);
    }
    if (!path.empty()) SetItemText(kFileManipulationPathEdit, path);
}

void FileManipulationDialog::OnOK() {
    fields_.Kind = CheckedOf(kKindRadios, 0);
    fields_.Path = ItemText(kFileManipulationPathEdit);
    fields_.NewName = ItemText(kFileManipulationNewNameEdit);
    const auto answer = AcceptFileManipulation(fields_, files_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, answer.Refused.Field == kFileManipulationNewName
                                        ? kFileManipulationNewNameEdit
                                        : kFileManipulationPathEdit);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
