#pragma once
// Sounds the program plays, and the mixer's controls.
#include <cstdint>
#include <string>

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
};

}  // namespace tavrin
