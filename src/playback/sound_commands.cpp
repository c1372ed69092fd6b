#include "playback/sound_commands.h"

#include <algorithm>
#include <vector>

#include "playback/cd_seek.h"

namespace tavrin {

namespace {

// One step of a control: a twentieth of its range, at least 1.
int64_t StepOf(const MixerLevel& level) {
    return std::max<int64_t>((level.max - level.min) / 20, 1);
}

const char* MissingMessage(MixerSlot slot) {
    switch (slot) {
        case MixerSlot::MidiVolume:
            return "MIDI volume control is not supported by your Audio Device.";
        case MixerSlot::Treble:
            return "Treble volume control is not supported by your Audio Device.";
        case MixerSlot::Bass:
            return "Bass volume control is not supported by your Audio Device.";
        default:
            return "Audio volume control is not supported by your Audio Device.";
    }
}

CdButton CdButtonOf(TagKind kind) {
    switch (kind) {
        case TagKind::CdStop: return CdButton::Stop;
        case TagKind::CdPause: return CdButton::Pause;
        case TagKind::CdNext: return CdButton::Next;
        case TagKind::CdPrevious: return CdButton::Previous;
        case TagKind::CdEject: return CdButton::Eject;
        case TagKind::CdClose: return CdButton::CloseDoor;
        default: return CdButton::Play;
    }
}

}  // namespace

bool SoundCommands::PlayTag(const TagMatch& tag) {
    constexpr MixerSlot kAudio = MixerSlot::SpeakersVolume;
    constexpr MixerSlot kMidi = MixerSlot::MidiVolume;
    switch (tag.Kind) {
        case TagKind::WaveWait:
        case TagKind::WaveNoWait:
            sound_.PlayWave(tag.Fields.Texts[0], tag.Kind == TagKind::WaveWait);
            return true;
        case TagKind::Beep:
            sound_.Beep();
            return true;
        case TagKind::AudioOff: Volume(kAudio, Move::Off); return true;
        case TagKind::AudioOn: Volume(kAudio, Move::On); return true;
        case TagKind::AudioUp: Volume(kAudio, Move::Up); return true;
        case TagKind::AudioDown: Volume(kAudio, Move::Down); return true;
        case TagKind::AudioLeft: Volume(kAudio, Move::Left); return true;
        case TagKind::AudioRight: Volume(kAudio, Move::Right); return true;
        case TagKind::AudioCentre: Volume(kAudio, Move::Centre); return true;
        case TagKind::MidiOff: Volume(kMidi, Move::Off); return true;
        case TagKind::MidiOn: Volume(kMidi, Move::On); return true;
        case TagKind::MidiUp: Volume(kMidi, Move::Up); return true;
        case TagKind::MidiDown: Volume(kMidi, Move::Down); return true;
        case TagKind::MidiLeft: Volume(kMidi, Move::Left); return true;
        case TagKind::MidiRight: Volume(kMidi, Move::Right); return true;
        case TagKind::MidiCentre: Volume(kMidi, Move::Centre); return true;
        case TagKind::TrebleUp: Tone(MixerSlot::Treble, true); return true;
        case TagKind::TrebleDown: Tone(MixerSlot::Treble, false); return true;
        case TagKind::BassUp: Tone(MixerSlot::Bass, true); return true;
        case TagKind::BassDown: Tone(MixerSlot::Bass, false); return true;
        case TagKind::AudioMute: ToggleMute(MixerSlot::SpeakersMute, speakersMuted_); return true;
        case TagKind::MidiMute: ToggleMute(MixerSlot::MidiMute, midiMuted_); return true;
        case TagKind::CdPlay:
        case TagKind::CdStop:
        case TagKind::CdPause:
        case TagKind::CdNext:
        case TagKind::CdPrevious:
        case TagKind::CdEject:
        case TagKind::CdClose:
            if (OpenCd()) sound_.PressCd(CdButtonOf(tag.Kind));
            return true;
        case TagKind::CdGoto:
            if (OpenCd()) sound_.PlayCdFrom(CdPlace{tag.Fields.Numbers[0], 0});
            return true;
        case TagKind::CdStep: SeekCd(tag.Fields.Numbers[0]); return true;
        case TagKind::CdBack: SeekCd(-tag.Fields.Numbers[0]); return true;
        case TagKind::Avi: Video(tag.Fields.Texts[0], VideoStart::Open); return true;
        case TagKind::AviNow: Video(tag.Fields.Texts[0], VideoStart::Play); return true;
        case TagKind::AviClose: Video(tag.Fields.Texts[0], VideoStart::PlayAndClose); return true;
        default:
            return false;
    }
}

void SoundCommands::Volume(MixerSlot slot, Move move) {
    MixerLevel v;
    if (!Read(slot, v)) return;
    const int64_t step = StepOf(v);
    int64_t left = v.left, right = v.right;
    switch (move) {
        case Move::Off:
            left = right = v.min;
            break;
        case Move::On:
            left = right = v.max;
            break;
        case Move::Up:
            if (left == v.max || right == v.max) return;
            left = std::min(left + step, v.max);
            right = std::min(right + step, v.max);
            break;
        case Move::Down:
            if (left == v.min || right == v.min) return;
            left = std::max(left - step, v.min);
            right = std::max(right - step, v.min);
            break;
        case Move::Left:
            if (left < right)
                left = std::min(left + step, right);
            else
                right = std::max(right - step, v.min);
            break;
        case Move::Right:
            if (right < left)
                right = std::min(right + step, left);
            else
                left = std::max(left - step, v.min);
            break;
        case Move::Centre:
            left = right = std::max(left, right);
            break;
    }
    sound_.SetMixer(slot, left, right);
}

void SoundCommands::Tone(MixerSlot slot, bool up) {
    MixerLevel v;
    if (!Read(slot, v)) return;
    const int64_t step = StepOf(v);
    if (v.left == (up ? v.max : v.min)) return;
    const int64_t value = up ? std::min(v.left + step, v.max) : std::max(v.left - step, v.min);
    sound_.SetMixer(slot, value, value);
}

// Mute has no message when the device has no such control: the state it
// remembers flips all the same.
void SoundCommands::ToggleMute(MixerSlot slot, bool& muted) {
    const MixerLevel v = sound_.ReadMixer(slot);
    if (v.exists) {
        const int64_t value = muted ? v.min : v.max;
        sound_.SetMixer(slot, value, value);
    }
    muted = !muted;
}

bool SoundCommands::Read(MixerSlot slot, MixerLevel& level) {
    level = sound_.ReadMixer(slot);
    if (!level.exists) ui_.ShowNotice("Macro Error", MissingMessage(slot));
    return level.exists;
}

// CD commands report nothing when there is no drive or no disc: a macro
// shared with a machine without one plays on.
bool SoundCommands::OpenCd() { return sound_.OpenCd(); }

void SoundCommands::SeekCd(int seconds) {
    if (!OpenCd()) return;
    CdPlace here;
    std::vector<int64_t> tracks;
    if (sound_.CdWhere(here, tracks)) sound_.PlayCdFrom(tavrin::SeekCd(here, seconds, tracks));
}

void SoundCommands::Video(const std::string& file, VideoStart start) {
    if (videoOpen_) {
        ui_.ShowNotice("Error", "AVI Player currently in use.");
        return;
    }
    // A clip that cannot be played closes its window; the macro plays on.
    videoOpen_ = true;
    ui_.PlayVideo(file, start);
    videoOpen_ = false;
}

}  // namespace tavrin
