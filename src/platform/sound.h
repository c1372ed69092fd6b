#pragma once
// Sounds the program plays, the mixer's controls and the audio CD.
#include <cstdint>
#include <string>
#include <vector>

namespace tavrin {

// The mixer controls the sound tags reach.
enum class MixerSlot {
    MidiVolume,      // the synthesizer line's volume
    SpeakersVolume,  // the speakers' volume
    MidiMute,
    SpeakersMute,
    Treble,          // the speakers' treble
    Bass,            // the speakers' bass
    Count
};

// A control's range and the current value of its left and right channel.
struct MixerLevel {
    bool exists = false;  // the mixer has the control; nothing else is set otherwise
    int64_t min = 0;
    int64_t max = 0;
    int64_t left = 0;
    int64_t right = 0;
};

// The audio CD's buttons.
enum class CdButton { Play, Stop, Pause, Next, Previous, Eject, CloseDoor };

constexpr int64_t kCdFramesPerSecond = 75;

// A place on the audio CD: a track (from 1) and the frames (75 a second)
// from its start.
struct CdPlace {
    int track = 1;
    int64_t frame = 0;
};

class Sound {
public:
    virtual ~Sound() = default;
    // Plays a wave file, to its end when wait is set; nothing when the file
    // cannot be played.
    virtual void PlayWave(const std::string& path, bool wait) = 0;
    // The default system sound.
    virtual void Beep() = 0;
    // A control of the mixer; it does not exist when there is no mixer.
    virtual MixerLevel ReadMixer(MixerSlot slot) = 0;
    // Sets the left and right channel (a control with one value takes left);
    // nothing when the control does not exist.
    virtual void SetMixer(MixerSlot slot, int64_t left, int64_t right) = 0;

    // Opens the audio CD device on first use (the first CD drive, or the
    // default CD device when there is none) and keeps it open; false when
    // it cannot be opened.
    virtual bool OpenCd() = 0;
    // The CD commands below do nothing unless the device is open, and
    // report nothing when they fail.
    virtual void PressCd(CdButton button) = 0;
    // Where the CD is, and the length of each track in frames (the first
    // is track 1); false when the device cannot tell.
    virtual bool CdWhere(CdPlace& place, std::vector<int64_t>& trackFrames) = 0;
    // Plays from the place.
    virtual void PlayCdFrom(const CdPlace& place) = 0;
};

}  // namespace tavrin
