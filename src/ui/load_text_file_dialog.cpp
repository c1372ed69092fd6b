#include "ui/load_text_file_dialog.h"

#include <shellapi.h>

#include "ui/file_dialog.h"
#include "ui/load_text_file_dialog_res.h"

namespace tavrin {
namespace {

constexpr size_t kPathChars = 255;

}  // namespace

LoadTextFileDialog::LoadTextFileDialog(const LoadTextFileFields& fields)
    : CommandDialog(kLoadTextFileDialog, "Insert Text File"), fields_(fields) {}

bool LoadTextFileDialog::OnInit() {
    LimitText(kLoadTextFilePathEdit, kPathChars);
    SetItemText(kLoadTextFilePathEdit, fields_.Path);
    return true;
}

bool LoadTextFileDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id == kLoadTextFileBrowse) {
        Browse();
        return true;
    }
    if (id == kLoadTextFileNotepad) {
        EditInNotepad();
        return true;
    }
    return false;
}

void LoadTextFileDialog::Browse() {
    FileDialogRequest request;
    request.filter = "Text Files (*TXT)\0*.TXT\0Any Files (*.*)\0*.*\0";
    request.title = "Text Files";
    const std::string path = ChooseFileName(Handle(), request);
    if (!path.empty()) SetItemText(kLoadTextFilePathEdit, path);
}

void LoadTextFileDialog::EditInNotepad() {
    fields_.Path = ItemText(kLoadTextFilePathEdit);
    const auto file = TextFileToEdit(fields_, files_);
    if (!file.Ok()) {
        ShowRefusal(file.Refused, kLoadTextFilePathEdit);
        return;
    }
    ShellExecuteA(Handle(), "open", "notepad.exe", file.Text.c_str(), nullptr, SW_SHOWNORMAL);
}

void LoadTextFileDialog::OnOK() {
    fields_.Path = ItemText(kLoadTextFilePathEdit);
    auto answer = AcceptLoadTextFile(fields_, files_, false);
    if (answer.Refused.Question) {
        // Yes is to correct the path; No keeps it as typed.
        if (MessageBoxA(Handle(), answer.Refused.Message.c_str(), "Warning",
                        MB_YESNO | MB_ICONWARNING) == IDYES) {
            SendMessageA(Handle(), WM_NEXTDLGCTL,
                         reinterpret_cast<WPARAM>(Item(kLoadTextFilePathEdit)), TRUE);
            return;
        }
        answer = AcceptLoadTextFile(fields_, files_, true);
    }
    Accept(answer.Text);
}

}  // namespace tavrin
