#include "ui/audio_cd_dialog.h"

#include "ui/audio_cd_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kKindRadios[] = {kAudioCdPlay, kAudioCdStop, kAudioCdPause, kAudioCdNext,
                               kAudioCdPrevious, kAudioCdGoto, kAudioCdStep, kAudioCdBack,
                               kAudioCdEject, kAudioCdClose};
constexpr int kGotoKind = 6;

}  // namespace

AudioCdDialog::AudioCdDialog(const AudioCdFields& fields)
    : CommandDialog(kAudioCdDialog, "CDROM Commands"), fields_(fields) {}

bool AudioCdDialog::OnInit() {
    if (fields_.Kind >= 1 && fields_.Kind <= 10) SetChecked(kKindRadios[fields_.Kind - 1], true);
    LimitText(kAudioCdNumberEdit, kAudioCdNumberChars);
    SetItemText(kAudioCdNumberEdit, fields_.Number);
    ShowKind();
    CentreOnScreen();  // the layout for the choice changed its size
    return true;
}

bool AudioCdDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    for (int radio : kKindRadios)
        if (id == radio) {
            ShowKind();
            return true;
        }
    return false;
}

void AudioCdDialog::ShowKind() {
    const int kind = CheckedOf(kKindRadios, 0);
    SetItemText(kAudioCdNumberLabel, kind == kGotoKind ? "Track Number" : "Seconds");
    const bool number = AudioCdHasNumber(kind);
    ShowItems({kAudioCdNumberLabel, kAudioCdNumberEdit}, number);
    PlaceButtonsBelow(number ? kAudioCdNumberEdit : kAudioCdClose, {IDOK, IDCANCEL, IDHELP});
}

void AudioCdDialog::OnOK() {
    fields_.Kind = CheckedOf(kKindRadios, 0);
    fields_.Number = ItemText(kAudioCdNumberEdit);
    const auto answer = AcceptAudioCd(fields_);
    if (!answer.Ok()) {
        ShowRefusal(answer.Refused, kAudioCdNumberEdit);
        return;
    }
    Accept(answer.Text);
}

}  // namespace tavrin
