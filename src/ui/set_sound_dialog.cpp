#include "ui/set_sound_dialog.h"

#include <mmsystem.h>

#include "ui/file_dialog.h"
#include "ui/set_sound_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kKindRadios[] = {kSetSoundBeep, kSetSoundWave};
constexpr size_t kPathChars = 255;

}  // namespace

SetSoundDialog::SetSoundDialog(const SetSoundFields& fields)
    : CommandDialog(kSetSoundDialog, "Set Sound"), fields_(fields) {}

bool SetSoundDialog::OnInit() {
    if (fields_.Kind >= 1 && fields_.Kind <= 2) SetChecked(kKindRadios[fields_.Kind - 1], true);
    LimitText(kSetSoundPathEdit, kPathChars);
    SetItemText(kSetSoundPathEdit, fields_.Path);
    SetChecked(kSetSoundWait, fields_.Wait);
    return true;
}

bool SetSoundDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id == kSetSoundBrowse) {
        Browse();
        return true;
    }
    if (id == kSetSoundTest) {
        Test();
        return true;
    }
    return false;
}

void SetSoundDialog::ReadFields() {
    fields_.Kind = CheckedOf(kKindRadios, 0);
    fields_.Path = ItemText(kSetSoundPathEdit);
    fields_.Wait = IsChecked(kSetSoundWait);
}

void SetSoundDialog::Browse() {
    FileDialogRequest request;
    request.filter = "Wave Files (*.WAV)\0*.WAV\0";
    request.title = "Select Wave File";
    const std::string path = ChooseFileName(Handle(), request);
    if (path.empty()) return;
    SetItemText(kSetSoundPathEdit, path);
    SetChecked(kSetSoundBeep, false);
    SetChecked(kSetSoundWave, true);
}

void SetSoundDialog::Test() {
    ReadFields();
    const auto wave = WaveToTest(fields_, files_);
    if (!wave.Ok()) {
        ShowRefusal(wave.Refused, kSetSoundPathEdit);
        return;
    }
    sndPlaySoundA(wave.Text.c_str(), SND_ASYNC | SND_NODEFAULT);
}

void SetSoundDialog::OnOK() {
    ReadFields();
    const auto answer = AcceptSetSound(fields_, files_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kSetSoundPathEdit);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
