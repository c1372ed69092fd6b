#include "platform/win32/win32_sound.h"

#include <windows.h>

#include <mmsystem.h>

#include <vector>

namespace tavrin {

namespace {

// The first drive from B: to Z: that is a CD drive, "" when none is.
std::string FindCdDrive() {
    for (char letter = 'B'; letter <= 'Z'; ++letter) {
        const char root[] = {letter, ':', '\\', '\0'};
        if (GetDriveTypeA(root) == DRIVE_CDROM) return std::string(root, 2);
    }
    return "";
}

DWORD ToTmsf(const CdPlace& place) {
    const int64_t seconds = place.frame / kCdFramesPerSecond;
    return MCI_MAKE_TMSF(place.track, seconds / 60, seconds % 60,
                         place.frame % kCdFramesPerSecond);
}

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
    if (cdDevice_) mciSendCommandA(cdDevice_, MCI_CLOSE, 0, 0);
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

bool Win32Sound::OpenCd() {
    if (cdDevice_) return true;
    // The drive is looked up again only while no device could be opened:
    // a drive may have been connected since.
    const std::string drive = FindCdDrive();
    MCI_OPEN_PARMSA open{};
    open.lpstrDeviceType = "cdaudio";
    DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_SHAREABLE | MCI_WAIT;
    if (!drive.empty()) {
        open.lpstrElementName = drive.c_str();
        flags |= MCI_OPEN_ELEMENT;
    }
    if (mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&open)) != 0) return false;
    cdDevice_ = open.wDeviceID;
    MCI_SET_PARMS format{};
    format.dwTimeFormat = MCI_FORMAT_TMSF;
    mciSendCommandA(cdDevice_, MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT,
                    reinterpret_cast<DWORD_PTR>(&format));
    return true;
}

namespace {

DWORD_PTR CdStatus(MCIDEVICEID device, DWORD item, DWORD track = 0) {
    MCI_STATUS_PARMS status{};
    status.dwItem = item;
    status.dwTrack = track;
    const DWORD flags = MCI_STATUS_ITEM | MCI_WAIT | (track ? MCI_TRACK : 0);
    if (mciSendCommandA(device, MCI_STATUS, flags, reinterpret_cast<DWORD_PTR>(&status)) != 0)
        return 0;
    return status.dwReturn;
}

}  // namespace

void Win32Sound::PressCd(CdButton button) {
    if (!cdDevice_) return;
    MCI_GENERIC_PARMS none{};
    const auto parms = reinterpret_cast<DWORD_PTR>(&none);
    switch (button) {
        case CdButton::Play: {
            MCI_PLAY_PARMS play{};
            mciSendCommandA(cdDevice_, MCI_PLAY, 0, reinterpret_cast<DWORD_PTR>(&play));
            break;
        }
        case CdButton::Stop: mciSendCommandA(cdDevice_, MCI_STOP, MCI_WAIT, parms); break;
        case CdButton::Pause: mciSendCommandA(cdDevice_, MCI_PAUSE, MCI_WAIT, parms); break;
        case CdButton::Eject:
            mciSendCommandA(cdDevice_, MCI_SET, MCI_SET_DOOR_OPEN, parms);
            break;
        case CdButton::CloseDoor:
            mciSendCommandA(cdDevice_, MCI_SET, MCI_SET_DOOR_CLOSED, parms);
            break;
        case CdButton::Next:
        case CdButton::Previous: {
            // To the start of the next or previous track; a CD that was
            // playing goes on playing there.
            const int tracks = static_cast<int>(CdStatus(cdDevice_, MCI_STATUS_NUMBER_OF_TRACKS));
            const int track = MCI_TMSF_TRACK(CdStatus(cdDevice_, MCI_STATUS_POSITION));
            const int to = button == CdButton::Next ? track + 1 : track - 1;
            if (tracks == 0 || to < 1 || to > tracks) break;
            const bool playing = CdStatus(cdDevice_, MCI_STATUS_MODE) == MCI_MODE_PLAY;
            if (playing) {
                PlayCdFrom(CdPlace{to, 0});
                break;
            }
            MCI_SEEK_PARMS seek{};
            seek.dwTo = MCI_MAKE_TMSF(to, 0, 0, 0);
            mciSendCommandA(cdDevice_, MCI_SEEK, MCI_TO | MCI_WAIT,
                            reinterpret_cast<DWORD_PTR>(&seek));
            break;
        }
    }
}

bool Win32Sound::CdWhere(CdPlace& place, std::vector<int64_t>& trackFrames) {
    if (!cdDevice_) return false;
    const int tracks = static_cast<int>(CdStatus(cdDevice_, MCI_STATUS_NUMBER_OF_TRACKS));
    if (tracks <= 0) return false;
    const DWORD_PTR at = CdStatus(cdDevice_, MCI_STATUS_POSITION);
    place.track = MCI_TMSF_TRACK(at);
    place.frame = (MCI_TMSF_MINUTE(at) * 60 + MCI_TMSF_SECOND(at)) * kCdFramesPerSecond +
                  MCI_TMSF_FRAME(at);
    trackFrames.clear();
    for (int t = 1; t <= tracks; ++t) {
        // A track's length comes in minutes, seconds and frames.
        const DWORD_PTR length = CdStatus(cdDevice_, MCI_STATUS_LENGTH, t);
        trackFrames.push_back((MCI_MSF_MINUTE(length) * 60 + MCI_MSF_SECOND(length)) *
                                  kCdFramesPerSecond +
                              MCI_MSF_FRAME(length));
    }
    return true;
}

void Win32Sound::PlayCdFrom(const CdPlace& place) {
    if (!cdDevice_) return;
    MCI_PLAY_PARMS play{};
    play.dwFrom = ToTmsf(place);
    mciSendCommandA(cdDevice_, MCI_PLAY, MCI_FROM, reinterpret_cast<DWORD_PTR>(&play));
}

}  // namespace tavrin
