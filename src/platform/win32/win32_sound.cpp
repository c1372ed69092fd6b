#include "platform/win32/win32_sound.h"

#include <windows.h>

#include <mmsystem.h>

#include <vector>

namespace tavrin {

namespace {

struct Control {
    bool exists = false;
    DWORD id = 0;
    DWORD channels = 1;  // values the control takes: 1 for a uniform control
    DWORD min = 0;
    DWORD max = 0;
};

}  // namespace

struct Win32Sound::Mixer {
    HMIXER handle = nullptr;
    Control controls[static_cast<int>(MixerSlot::Count)];

    HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(handle); }
    void Find(const MIXERLINEA& line, DWORD type, MixerSlot slot);
    // The speakers' controls and those of the synthesizer among its sources.
    void FindControls();
    // Reads (or writes) the control's values, one per channel.
    bool Details(const Control& c, std::vector<MIXERCONTROLDETAILS_UNSIGNED>& values,
                 bool write) const;
};

void Win32Sound::Mixer::Find(const MIXERLINEA& line, DWORD type, MixerSlot slot) {
    MIXERCONTROLA control{};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSA query{};
    query.cbStruct = sizeof query;
    query.dwLineID = line.dwLineID;
    query.dwControlType = type;
    query.cControls = 1;
    query.cbmxctrl = sizeof control;
    query.pamxctrl = &control;
    if (mixerGetLineControlsA(Object(), &query,
                              MIXER_GETLINECONTROLSF_ONEBYTYPE | MIXER_OBJECTF_HMIXER) !=
        MMSYSERR_NOERROR)
        return;
    Control& c = controls[static_cast<int>(slot)];
    c.exists = true;
    c.id = control.dwControlID;
    const bool uniform = (control.fdwControl & MIXERCONTROL_CONTROLF_UNIFORM) != 0;
    c.channels = uniform || line.cChannels == 0 ? 1 : line.cChannels;
    // A mute control is off (0) or on (1) whatever bounds it gives.
    const bool onOff =
        (control.dwControlType & MIXERCONTROL_CT_UNITS_MASK) == MIXERCONTROL_CT_UNITS_BOOLEAN;
    c.min = onOff ? 0 : control.Bounds.dwMinimum;
    c.max = onOff ? 1 : control.Bounds.dwMaximum;
}

void Win32Sound::Mixer::FindControls() {
    MIXERLINEA speakers{};
    speakers.cbStruct = sizeof speakers;
    speakers.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
    if (mixerGetLineInfoA(Object(), &speakers,
                          MIXER_GETLINEINFOF_COMPONENTTYPE | MIXER_OBJECTF_HMIXER) !=
        MMSYSERR_NOERROR)
        return;
    Find(speakers, MIXERCONTROL_CONTROLTYPE_VOLUME, MixerSlot::SpeakersVolume);
    Find(speakers, MIXERCONTROL_CONTROLTYPE_MUTE, MixerSlot::SpeakersMute);
    Find(speakers, MIXERCONTROL_CONTROLTYPE_TREBLE, MixerSlot::Treble);
    Find(speakers, MIXERCONTROL_CONTROLTYPE_BASS, MixerSlot::Bass);
    for (DWORD s = 0; s < speakers.cConnections; ++s) {
        MIXERLINEA source{};
        source.cbStruct = sizeof source;
        source.dwDestination = speakers.dwDestination;
        source.dwSource = s;
        const DWORD flags = MIXER_GETLINEINFOF_SOURCE | MIXER_OBJECTF_HMIXER;
        if (mixerGetLineInfoA(Object(), &source, flags) != MMSYSERR_NOERROR ||
            source.dwComponentType != MIXERLINE_COMPONENTTYPE_SRC_SYNTHESIZER)
            continue;
        Find(source, MIXERCONTROL_CONTROLTYPE_VOLUME, MixerSlot::MidiVolume);
        Find(source, MIXERCONTROL_CONTROLTYPE_MUTE, MixerSlot::MidiMute);
        return;
    }
}

bool Win32Sound::Mixer::Details(const Control& c,
                                std::vector<MIXERCONTROLDETAILS_UNSIGNED>& values,
                                bool write) const {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = c.id;
    details.cChannels = c.channels;
    details.cbDetails = sizeof(MIXERCONTROLDETAILS_UNSIGNED);
    details.paDetails = values.data();
    const DWORD flags = MIXER_GETCONTROLDETAILSF_VALUE | MIXER_OBJECTF_HMIXER;
    const MMRESULT result = write ? mixerSetControlDetails(Object(), &details, flags)
                                  : mixerGetControlDetailsA(Object(), &details, flags);
    return result == MMSYSERR_NOERROR;
}

Win32Sound::Win32Sound() = default;

Win32Sound::~Win32Sound() {
    if (mixer_ && mixer_->handle) mixerClose(mixer_->handle);
}

void Win32Sound::PlayWave(const std::string& path, bool wait) {
    // Without a sound device this fails at once; nothing else is to be done.
    PlaySoundA(path.c_str(), nullptr,
               SND_FILENAME | SND_NODEFAULT | (wait ? SND_SYNC : SND_ASYNC));
}

void Win32Sound::Beep() { MessageBeep(0); }

Win32Sound::Mixer& Win32Sound::OpenMixer() {
    if (mixer_) return *mixer_;
    mixer_ = std::make_unique<Mixer>();
    // With no mixer device every control is missing.
    if (mixerGetNumDevs() > 0 &&
        mixerOpen(&mixer_->handle, 0, 0, 0, MIXER_OBJECTF_MIXER) == MMSYSERR_NOERROR)
        mixer_->FindControls();
    else
        mixer_->handle = nullptr;
    return *mixer_;
}

MixerLevel Win32Sound::ReadMixer(MixerSlot slot) {
    const Mixer& mixer = OpenMixer();
    const Control& c = mixer.controls[static_cast<int>(slot)];
    MixerLevel level;
    if (!c.exists) return level;
    std::vector<MIXERCONTROLDETAILS_UNSIGNED> values(c.channels);
    if (!mixer.Details(c, values, false)) return level;
    level.exists = true;
    level.min = c.min;
    level.max = c.max;
    level.left = values[0].dwValue;
    level.right = values[c.channels > 1 ? 1 : 0].dwValue;
    return level;
}

void Win32Sound::SetMixer(MixerSlot slot, int64_t left, int64_t right) {
    const Mixer& mixer = OpenMixer();
    const Control& c = mixer.controls[static_cast<int>(slot)];
    if (!c.exists) return;
    std::vector<MIXERCONTROLDETAILS_UNSIGNED> values(c.channels);
    // Channels past the second follow the right one.
    for (DWORD k = 0; k < c.channels; ++k)
        values[k].dwValue = static_cast<DWORD>(k == 0 ? left : right);
    mixer.Details(c, values, true);
}

}  // namespace tavrin
