#include "forms/speaker_form.h"

#include "language/tag_recogniser.h"

namespace tavrin {
namespace {

using K = TagKind;

constexpr TagChoice kChoices[kSpeakerChoices] = {
    {K::AudioOff}, {K::AudioOn},   {K::AudioUp},    {K::AudioDown},  {K::AudioMute},
    {K::AudioLeft}, {K::AudioRight}, {K::AudioCentre}, {K::TrebleUp}, {K::TrebleDown},
    {K::MidiOff},  {K::MidiOn},    {K::MidiUp},     {K::MidiDown},   {K::MidiMute},
    {K::MidiLeft}, {K::MidiRight}, {K::MidiCentre}, {K::BassUp},     {K::BassDown},
};

std::string Line(const char* control, bool supported) {
    return std::string(control) + (supported ? " Supported." : " NOT Supported.") + "\n\r";
}

}  // namespace

SpeakerFields NewSpeakerFields() { return {1}; }

SpeakerFields SpeakerFieldsOf(const SpeakerValues& values) { return {values.Kind}; }

SpeakerValues SpeakerValuesOf(const TagMatch& match) { return {ChoiceOfTag(kChoices, match)}; }

CommandAnswer<SpeakerValues> AcceptSpeaker(const SpeakerFields& fields) {
    return Answer(TagOfChoice(kChoices, fields.Kind), SpeakerValues{fields.Kind});
}

std::string MixerReport(const MixerSupport& support) {
    return Line("Audio Volume and Balance Control", support.Volume) +
           Line("Audio Mute", support.Mute) + Line("Audio Treble", support.Treble) +
           Line("Audio Bass", support.Bass) +
           Line("MIDI Volume and Balance Control", support.MidiVolume) +
           Line("MIDI Mute", support.MidiMute);
}

}  // namespace tavrin
