#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "forms/set_sound_form.h"

namespace tavrin {
namespace {

struct SetSoundFormTest : ::testing::Test {
    FakeFiles files;
    FakeFileSystem fs{files};

    SetSoundFormTest() {
        files.contents["C:\\Sounds\\Ding Dong.wav"] = {1};
        fs.shortPaths["C:\\Sounds\\Ding Dong.wav"] = "C:\\SOUNDS\\DINGDO~1.WAV";
    }

    static SetSoundFields Fields(int kind, const std::string& path, bool wait) {
        SetSoundFields fields;
        fields.Kind = kind;
        fields.Path = path;
        fields.Wait = wait;
        return fields;
    }
};

TEST_F(SetSoundFormTest, ANewCommandBeeps) {
    const SetSoundFields fields = NewSetSoundFields();
    EXPECT_EQ(fields.Kind, 1);
    EXPECT_EQ(fields.Path, "");
    EXPECT_FALSE(fields.Wait);
}

TEST_F(SetSoundFormTest, AMissingWaveFileIsRefusedByOkAndByTest) {
    const SetSoundFields fields = Fields(2, "C:\\Sounds\\Missing.wav", true);
    for (const Refusal& refused :
         {AcceptSetSound(fields, fs).Refused, WaveToTest(fields, fs).Refused}) {
        EXPECT_EQ(refused.Message, "Specified WAV File does not exist.  Please correct.");
        EXPECT_EQ(refused.Field, kSetSoundPath);
    }
    EXPECT_TRUE(AcceptSetSound(Fields(1, "C:\\Sounds\\Missing.wav", true), fs).Ok())
        << "a beep reads no file";
    EXPECT_EQ(WaveToTest(Fields(1, " C:\\Sounds\\Ding Dong.wav ", false), fs).Text,
              "C:\\Sounds\\Ding Dong.wav");
}

TEST_F(SetSoundFormTest, EachKindWritesItsTagWithThePathAsTyped) {
    const struct {
        int kind;
        bool wait;
        const char* tag;
    } cases[] = {
        {1, true, "<BEEP>"},
        {2, true, "<WAV1:C:\\Sounds\\Ding Dong.wav>"},
        {2, false, "<WAV2:C:\\Sounds\\Ding Dong.wav>"},
        {0, false, ""},
    };
    for (const auto& c : cases) {
        const auto answer = AcceptSetSound(Fields(c.kind, " C:\\Sounds\\Ding Dong.wav ", c.wait), fs);
        EXPECT_TRUE(answer.Ok()) << c.tag;
        EXPECT_EQ(answer.Text, c.tag);
    }
}

TEST_F(SetSoundFormTest, AnEditedTagComesBackUnchanged) {
    for (const char* tag : {"<BEEP>", "<WAV1:C:\\Sounds\\Ding Dong.wav>",
                            "<WAV2:C:\\Sounds\\Ding Dong.wav>"})
        EXPECT_EQ(AcceptSetSound(SetSoundFieldsOf(SetSoundValuesOf(Recognise(tag, 0))), fs).Text,
                  tag);
}

}  // namespace
}  // namespace tavrin
