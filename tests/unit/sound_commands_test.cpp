#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "playback_rig.h"

namespace tavrin {
namespace {

using Strings = std::vector<std::string>;
constexpr MixerSlot kAudio = MixerSlot::SpeakersVolume;
constexpr MixerSlot kMidi = MixerSlot::MidiVolume;

class SoundCommandsTest : public ::testing::Test, protected PlaybackRig {
protected:
    void Play(const std::string& text) { ASSERT_TRUE(player.PlayTopLevel(text)); }
    // "left right" of a slot.
    std::string Channels(MixerSlot slot) {
        const MixerLevel& level = sound.Slot(slot);
        return std::to_string(level.left) + " " + std::to_string(level.right);
    }
};

TEST_F(SoundCommandsTest, WavesPlayToTheEndOrOnAndTheBeepSounds) {
    Play("<WAV1:C:\\DING.WAV>a<WAV2:C:\\CHORD.WAV>b<BEEP>c");
    EXPECT_EQ(sound.played, (Strings{"C:\\DING.WAV wait", "C:\\CHORD.WAV"}));
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_EQ(TypedKeys(input.events), "abc");
}

TEST_F(SoundCommandsTest, VolumeMovesByATwentiethOfTheRangeWithinItsLimits) {
    sound.Give(kAudio, 0, 65535, 65000, 65000);
    Play("<AUDUP>");
    EXPECT_EQ(Channels(kAudio), "65535 65535") << "a step of 3276 stops at the maximum";
    const int sets = sound.sets;
    Play("<AUDUP>");
    EXPECT_EQ(sound.sets, sets) << "nothing at the maximum";
    Play("<AUDDOWN>");
    EXPECT_EQ(Channels(kAudio), "62259 62259");
    Play("<AUDOFF>");
    EXPECT_EQ(Channels(kAudio), "0 0");
    Play("<AUDDOWN><AUDON>");
    EXPECT_EQ(Channels(kAudio), "65535 65535");

    sound.Give(kMidi, 0, 10, 3, 10);
    Play("<MIDIUP>");
    EXPECT_EQ(Channels(kMidi), "3 10") << "nothing while one channel is at the maximum";
    Play("<MIDIDOWN>");
    EXPECT_EQ(Channels(kMidi), "2 9") << "a range under 20 steps by 1";
    sound.Give(kMidi, 100, 300, 104, 250);
    Play("<MIDIDOWN>");
    EXPECT_EQ(Channels(kMidi), "100 240") << "each channel stops at the minimum";
    Play("<MIDIDOWN><MIDIOFF>");
    EXPECT_EQ(Channels(kMidi), "100 100");
    Play("<MIDION>");
    EXPECT_EQ(Channels(kMidi), "300 300");
    EXPECT_EQ(Channels(kAudio), "65535 65535") << "the speakers are another control";
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SoundCommandsTest, BalanceMovesTheQuieterChannelUpOrTheOtherDown) {
    sound.Give(kAudio, 0, 100, 50, 58);
    Play("<AUDLEFT>");
    EXPECT_EQ(Channels(kAudio), "55 58");
    Play("<AUDLEFT>");
    EXPECT_EQ(Channels(kAudio), "58 58") << "the left channel rises no higher than the right";
    Play("<AUDLEFT>");
    EXPECT_EQ(Channels(kAudio), "58 53") << "then the right one goes down";
    Play("<AUDRIGHT>");
    EXPECT_EQ(Channels(kAudio), "58 58");
    Play("<AUDRIGHT>");
    EXPECT_EQ(Channels(kAudio), "53 58");
    Play("<AUDCENTER>");
    EXPECT_EQ(Channels(kAudio), "58 58") << "both take the louder channel";
    sound.Give(kAudio, 0, 100, 3, 90);
    Play("<AUDRIGHT>");
    EXPECT_EQ(Channels(kAudio), "0 90") << "no lower than the minimum";

    sound.Give(kMidi, 0, 100, 40, 20);
    Play("<MIDILEFT>");
    EXPECT_EQ(Channels(kMidi), "40 15");
    Play("<MIDIRIGHT>");
    EXPECT_EQ(Channels(kMidi), "40 20");
    Play("<MIDICENTER>");
    EXPECT_EQ(Channels(kMidi), "40 40");
    EXPECT_EQ(Channels(kAudio), "0 90");
}

TEST_F(SoundCommandsTest, TrebleAndBassStepFromTheLeftChannelAndStopAtTheirLimits) {
    sound.Give(MixerSlot::Treble, 0, 100, 98, 10);
    Play("<TREBUP>");
    EXPECT_EQ(Channels(MixerSlot::Treble), "100 100");
    const int sets = sound.sets;
    Play("<TREBUP>");
    EXPECT_EQ(sound.sets, sets) << "nothing at the maximum";
    Play("<TREBDOWN>");
    EXPECT_EQ(Channels(MixerSlot::Treble), "95 95");

    sound.Give(MixerSlot::Bass, -50, 50, -50, 0);
    Play("<BASSDOWN>");
    EXPECT_EQ(sound.sets, sets + 1) << "nothing at the minimum";
    Play("<BASSUP><BASSUP>");
    EXPECT_EQ(Channels(MixerSlot::Bass), "-40 -40");
    Play("<BASSDOWN>");
    EXPECT_EQ(Channels(MixerSlot::Bass), "-45 -45");
    EXPECT_EQ(Channels(MixerSlot::Treble), "95 95");
}

TEST_F(SoundCommandsTest, MuteFollowsItsOwnMemoryForEachLine) {
    sound.Give(MixerSlot::SpeakersMute, 0, 1, 1, 1);
    sound.Give(MixerSlot::MidiMute, 0, 1, 0, 0);
    Play("<AUDMUTE>");
    EXPECT_EQ(Channels(MixerSlot::SpeakersMute), "1 1")
        << "the first mute mutes, whatever the device says";
    Play("<AUDMUTE>");
    EXPECT_EQ(Channels(MixerSlot::SpeakersMute), "0 0") << "twice leaves the speakers unmuted";
    Play("<MIDIMUTE>");
    EXPECT_EQ(Channels(MixerSlot::MidiMute), "1 1") << "the synthesizer has a memory of its own";
    EXPECT_EQ(Channels(MixerSlot::SpeakersMute), "0 0");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SoundCommandsTest, AMissingControlShowsItsMessageEachTimeAndPlaybackGoesOn) {
    // Mute has no message of its own.
    Play("<AUDUP>a<AUDCENTER>b<MIDIOFF>c<MIDILEFT>d<TREBUP>e<BASSDOWN>f<AUDMUTE>g<MIDIMUTE>h");
    EXPECT_EQ(ui.messages,
              (Strings{"Macro Error: Audio volume control is not supported by your Audio Device.",
                       "Macro Error: Audio volume control is not supported by your Audio Device.",
                       "Macro Error: MIDI volume control is not supported by your Audio Device.",
                       "Macro Error: MIDI volume control is not supported by your Audio Device.",
                       "Macro Error: Treble volume control is not supported by your Audio Device.",
                       "Macro Error: Bass volume control is not supported by your Audio Device."}));
    EXPECT_EQ(TypedKeys(input.events), "abcdefgh");

    sound.Give(MixerSlot::SpeakersMute, 0, 1, 1, 1);
    Play("<AUDMUTE>");
    EXPECT_EQ(Channels(MixerSlot::SpeakersMute), "0 0")
        << "a mute that found no control still flipped the memory";
}

TEST_F(SoundCommandsTest, CdTagsOpenTheDeviceAndPressItsButtons) {
    Play("<CDPLAY><CDPAUSE><CDSTOP><CDNEXT><CDPREV><CDEJECT><CDCLOSE><CDGOTO:07>");
    EXPECT_EQ(sound.cd, (Strings{"open", "play", "open", "pause", "open", "stop", "open", "next",
                                 "open", "prev", "open", "eject", "open", "close", "open",
                                 "from 7:0"}));
    EXPECT_TRUE(ui.messages.empty());

    // Track 2 of three is 10 seconds long; the CD is 3 seconds into it.
    sound.cd.clear();
    sound.cdTracks = {750, 750, 1500};
    sound.cdHere = CdPlace{2, 225};
    Play("<CDSTEP:05><CDSTEP:09><CDBACK:04><CDBACK:20><CDSTEP:99>");
    EXPECT_EQ(sound.cd, (Strings{"open", "from 2:600", "open", "from 3:150", "open", "from 1:675",
                                 "open", "from 1:0", "open", "from 3:1499"}))
        << "time past a track's end goes on into the next; none before track 1 or past the last";

    sound.cdTracks.clear();
    sound.cd.clear();
    Play("<CDSTEP:05>");
    EXPECT_EQ(sound.cd, (Strings{"open"})) << "nothing is played when the place is unknown";
}

TEST_F(SoundCommandsTest, ACdDeviceThatCannotOpenSaysNothingAndPlaybackGoesOn) {
    sound.cdOpens = false;
    Play("<CDPLAY>a<CDGOTO:02>b<CDSTEP:10>c");
    Play("<CDEJECT>d");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(sound.cd, (Strings{"open failed", "open failed", "open failed", "open failed"}));
    EXPECT_EQ(TypedKeys(input.events), "abcd");
}

TEST_F(SoundCommandsTest, VideoClipsOpenOnePlayerAtATime) {
    Play("<AVI:C:\\A.AVI>a<AVII:C:\\B.AVI>b<AVIE:C:\\C.AVI>c");
    EXPECT_EQ(ui.videos, (Strings{"C:\\A.AVI 0", "C:\\B.AVI 1", "C:\\C.AVI 2"}));
    EXPECT_EQ(TypedKeys(input.events), "abc");
    EXPECT_TRUE(ui.messages.empty());

    // A macro that runs while the player is open (from its message loop)
    // and asks for another clip is told the player is busy.
    ui.whileVideo = [&] {
        ui.whileVideo = nullptr;
        player.PlayText("<AVI:C:\\D.AVI>", 1, 1, 1, false);
    };
    Play("<AVIE:C:\\C.AVI>");
    EXPECT_EQ(ui.messages, (Strings{"Error: AVI Player currently in use."}));

    EXPECT_EQ(TypedKeys(input.events), "abc");
}

}  // namespace
}  // namespace tavrin
