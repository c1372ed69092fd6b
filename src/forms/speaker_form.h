#pragma once
// "Speaker Controls": the audio and MIDI volume, balance and mute, the
// treble and the bass, one tag each; and what the mixer can do, for its
// test button.
#include <string>

#include "forms/command_fields.h"

namespace tavrin {

struct TagMatch;

constexpr int kSpeakerChoices = 20;

struct SpeakerValues {
    int Kind = 0;
};

struct SpeakerFields {
    int Kind = 0;  // the checked choice; 0 for none
};

// A new command opens on "Audio &Volume Off".
SpeakerFields NewSpeakerFields();
SpeakerFields SpeakerFieldsOf(const SpeakerValues& values);
SpeakerValues SpeakerValuesOf(const TagMatch& match);
CommandAnswer<SpeakerValues> AcceptSpeaker(const SpeakerFields& fields);

// Which of the mixer's controls the tags need are there.
struct MixerSupport {
    bool Volume = false;  // the speakers' volume, which the balance moves too
    bool Mute = false;
    bool Treble = false;
    bool Bass = false;
    bool MidiVolume = false;
    bool MidiMute = false;
};

// The test button's report: one line for each control, each ended by a
// line feed and a carriage return.
std::string MixerReport(const MixerSupport& support);

}  // namespace tavrin
