#include "ui/play_video_dialog.h"

#include "ui/file_dialog.h"
#include "ui/play_video_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kKindRadios[] = {kPlayVideoNow, kPlayVideoNowAndClose, kPlayVideoWait};
constexpr size_t kPathChars = 255;

}  // namespace

PlayVideoDialog::PlayVideoDialog(const PlayVideoFields& fields)
    : CommandDialog(kPlayVideoDialog, "AVI Files"), fields_(fields) {}

bool PlayVideoDialog::OnInit() {
    if (fields_.Kind >= 1 && fields_.Kind <= 3) SetChecked(kKindRadios[fields_.Kind - 1], true);
    LimitText(kPlayVideoPathEdit, kPathChars);
    SetItemText(kPlayVideoPathEdit, fields_.Path);
    return true;
}

bool PlayVideoDialog::OnCommand(int id, int code) {
    if (id != kPlayVideoBrowse || code != BN_CLICKED) return false;
    FileDialogRequest request;
    request.filter = "AVI File (*.AVI)\0*.AVI\0";
    request.title = "AVI File";
    const std::string path = ChooseFileName(Handle(), request);
    if (!path.empty()) SetItemText(kPlayVideoPathEdit, path);
    return true;
}

void PlayVideoDialog::OnOK() {
    fields_.Kind = CheckedOf(kKindRadios, 0);
    fields_.Path = ItemText(kPlayVideoPathEdit);
    const auto answer = AcceptPlayVideo(fields_, files_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kPlayVideoPathEdit);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
