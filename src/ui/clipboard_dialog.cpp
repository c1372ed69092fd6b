#include "ui/clipboard_dialog.h"

#include "ui/clipboard_dialog_res.h"
#include "ui/file_dialog.h"

namespace tavrin {
namespace {

constexpr int kKindRadios[] = {kClipboardBegin, kClipboardEnd,    kClipboardTextFile,
                               kClipboardCopy,  kClipboardPaste,  kClipboardBitmap,
                               kClipboardType};
constexpr int kTypeKind = 7;
constexpr int kBitmapKind = 6;
constexpr size_t kPathChars = 255;

}  // namespace

ClipboardDialog::ClipboardDialog(const ClipboardFields& fields)
    : CommandDialog(kClipboardDialog, "Clipboard Options"), fields_(fields) {}

bool ClipboardDialog::OnInit() {
    if (fields_.Kind >= 1 && fields_.Kind <= kTypeKind)
        SetChecked(kKindRadios[fields_.Kind - 1], true);
    SetChecked(kClipboardIgnoreLines, fields_.IgnoreLines);
    LimitText(kClipboardPathEdit, kPathChars);
    SetItemText(kClipboardPathEdit, fields_.Path);
    ShowKind();
    CentreOnScreen();  // the layout for the choice changed its size
    return true;
}

bool ClipboardDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id == kClipboardBrowse) {
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

void ClipboardDialog::ShowKind() {
    const int kind = CheckedOf(kKindRadios, 0);
    EnableItem(kClipboardIgnoreLines, kind == kTypeKind);
    SetItemText(kClipboardPathLabel,
                kind == kBitmapKind ? "Bitmap File Path/Name" : "Text File Path/Name");
    const bool path = ClipboardHasPath(kind);
    ShowItems({kClipboardPathLabel, kClipboardPathEdit, kClipboardBrowse}, path);
    PlaceButtonsBelow(path ? kClipboardBrowse : kClipboardIgnoreLines, {IDOK, IDCANCEL, IDHELP});
}

void ClipboardDialog::Browse() {
    FileDialogRequest request;
    if (CheckedOf(kKindRadios, 0) == kBitmapKind) {
        request.filter = "Bitmap (*.BMP)\0*.BMP\0";
        request.title = "Bitmap Files";
        request.defaultExtension = "BMP";
    } else {
        request.filter = "Text Files (*.TXT)\0*.TXT\0";
        request.title = "Text Files";
        request.defaultExtension = "TXT";
    }
    const std::string path = ChooseFileName(Handle(), request);
    if (!path.empty()) SetItemText(kClipboardPathEdit, path);
}

void ClipboardDialog::OnOK() {
    fields_.Kind = CheckedOf(kKindRadios, 0);
    fields_.IgnoreLines = IsChecked(kClipboardIgnoreLines);
    fields_.Path = ItemText(kClipboardPathEdit);
    const auto answer = AcceptClipboard(fields_, files_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kClipboardPathEdit);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
