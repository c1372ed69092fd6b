#pragma once
// The sound tags: wave files, the beep, and the mixer's volume, balance,
// treble, bass and mute.
#include "language/tag_recogniser.h"
#include "platform/playback_ui.h"
#include "platform/sound.h"

namespace tavrin {

class SoundCommands {
public:
    SoundCommands(Sound& sound, PlaybackUi& ui) : sound_(sound), ui_(ui) {}

    // Plays a sound tag; false when the tag is none. A control the mixer
    // lacks shows its message; playback goes on.
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

    Sound& sound_;
    PlaybackUi& ui_;
    // Whether a mute tag last muted the line; never read from the device.
    bool speakersMuted_ = false;
    bool midiMuted_ = false;
};

}  // namespace tavrin
