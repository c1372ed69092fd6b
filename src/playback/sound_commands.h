#pragma once
// The sound tags: wave files, the beep, the mixer's volume, balance,
// treble, bass and mute, the audio CD and video clips.
#include "language/tag_recogniser.h"
#include "platform/playback_ui.h"
#include "platform/sound.h"

namespace tavrin {

class SoundCommands {
public:
    SoundCommands(Sound& sound, PlaybackUi& ui) : sound_(sound), ui_(ui) {}

    // Plays a tag of CommandGroup::Sound; false, having done nothing, for a
    // tag of another group. A control the mixer lacks, a CD device that
    // cannot be opened and a video clip that cannot be played show their
    // message; playback goes on.
    bool PlayTag(const TagMatch& tag);

private:
    enum class Move { Off, On, Up, Down, Left, Right, Centre };

    // Volume and balance of a volume slot.
    void Volume(MixerSlot slot, Move move);
    // Treble and bass: one step up or down.
    void Tone(MixerSlot slot, bool up);
    // Mute or unmute as the remembered state says, then flip it.
    void ToggleMute(MixerSlot slot, bool& muted);
    // The slot's level, or its message when the mixer lacks it.
    bool Read(MixerSlot slot, MixerLevel& level);
    // The CD device, opened on first use; says so once when it cannot be.
    bool OpenCd();
    // "<CDSTEP:" and "<CDBACK:".
    void SeekCd(int seconds);
    void Video(const std::string& file, VideoStart start);

    Sound& sound_;
    PlaybackUi& ui_;
    // Whether a mute tag last muted the line; never read from the device.
    bool speakersMuted_ = false;
    bool midiMuted_ = false;
    bool videoOpen_ = false;
};

}  // namespace tavrin
