#include <gtest/gtest.h>

#include "forms/speaker_form.h"
#include "language/tag_recogniser.h"

namespace tavrin {
namespace {

constexpr const char* kTags[kSpeakerChoices] = {
    "<AUDOFF>",   "<AUDON>",    "<AUDUP>",    "<AUDDOWN>",   "<AUDMUTE>",
    "<AUDLEFT>",  "<AUDRIGHT>", "<AUDCENTER>", "<TREBUP>",   "<TREBDOWN>",
    "<MIDIOFF>",  "<MIDION>",   "<MIDIUP>",   "<MIDIDOWN>",  "<MIDIMUTE>",
    "<MIDILEFT>", "<MIDIRIGHT>", "<MIDICENTER>", "<BASSUP>", "<BASSDOWN>",
};

TEST(SpeakerFormTest, EachChoiceWritesItsTagAndReadsBack) {
    EXPECT_EQ(NewSpeakerFields().Kind, 1);
    for (int kind = 1; kind <= kSpeakerChoices; ++kind) {
        const char* tag = kTags[kind - 1];
        const auto answer = AcceptSpeaker({kind});
        ASSERT_TRUE(answer.Ok());
        EXPECT_EQ(answer.Text, tag);
        const SpeakerValues read = SpeakerValuesOf(Recognise(tag, 0));
        EXPECT_EQ(read.Kind, kind) << tag;
        EXPECT_EQ(AcceptSpeaker(SpeakerFieldsOf(read)).Text, tag);
    }
    EXPECT_EQ(AcceptSpeaker({0}).Text, "");
}

TEST(SpeakerFormTest, TheReportNamesEachControlInOrder) {
    EXPECT_EQ(MixerReport({}),
              "Audio Volume and Balance Control NOT Supported.\n\r"
              "Audio Mute NOT Supported.\n\r"
              "Audio Treble NOT Supported.\n\r"
              "Audio Bass NOT Supported.\n\r"
              "MIDI Volume and Balance Control NOT Supported.\n\r"
              "MIDI Mute NOT Supported.\n\r");
    MixerSupport some;
    some.Volume = true;
    some.Bass = true;
    some.MidiMute = true;
    EXPECT_EQ(MixerReport(some),
              "Audio Volume and Balance Control Supported.\n\r"
              "Audio Mute NOT Supported.\n\r"
              "Audio Treble NOT Supported.\n\r"
              "Audio Bass Supported.\n\r"
              "MIDI Volume and Balance Control NOT Supported.\n\r"
              "MIDI Mute Supported.\n\r");
}

}  // namespace
}  // namespace tavrin
