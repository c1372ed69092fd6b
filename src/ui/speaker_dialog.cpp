#include "ui/speaker_dialog.h"

#include "platform/win32/win32_sound.h"
#include "ui/speaker_dialog_res.h"

namespace tavrin {
namespace {

constexpr int kChoices[kSpeakerChoices] = {
    kSpeakerChoice1,  kSpeakerChoice2,  kSpeakerChoice3,  kSpeakerChoice4,  kSpeakerChoice5,
    kSpeakerChoice6,  kSpeakerChoice7,  kSpeakerChoice8,  kSpeakerChoice9,  kSpeakerChoice10,
    kSpeakerChoice11, kSpeakerChoice12, kSpeakerChoice13, kSpeakerChoice14, kSpeakerChoice15,
    kSpeakerChoice16, kSpeakerChoice17, kSpeakerChoice18, kSpeakerChoice19, kSpeakerChoice20,
};

// What mixer device 0 has of the controls the sound tags use; nothing when
// there is no mixer.
MixerSupport AskMixer() {
    Win32Sound sound;
    const auto has = [&sound](MixerSlot slot) { return sound.ReadMixer(slot).exists; };
    MixerSupport support;
    support.Volume = has(MixerSlot::SpeakersVolume);
    support.Mute = has(MixerSlot::SpeakersMute);
    support.Treble = has(MixerSlot::Treble);
    support.Bass = has(MixerSlot::Bass);
    support.MidiVolume = has(MixerSlot::MidiVolume);
    support.MidiMute = has(MixerSlot::MidiMute);
    return support;
}

}  // namespace

SpeakerDialog::SpeakerDialog(const SpeakerFields& fields)
    : CommandDialog(kSpeakerDialog, "Speaker Controls"), fields_(fields) {}

bool SpeakerDialog::OnInit() {
    if (fields_.Kind < 1 || fields_.Kind > kSpeakerChoices) return true;
    const int choice = kChoices[fields_.Kind - 1];
    SetChecked(choice, true);
    SetFocus(Item(choice));
    return false;
}

bool SpeakerDialog::OnCommand(int id, int code) {
    if (id != kSpeakerTest || code != BN_CLICKED) return false;
    MessageBoxA(Handle(), MixerReport(AskMixer()).c_str(), "Audio Device", MB_OK);
    return true;
}

void SpeakerDialog::OnOK() {
    fields_.Kind = CheckedOf(kChoices, 0);
    Accept(AcceptSpeaker(fields_).Text);
}

}  // namespace tavrin
