#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "forms/play_video_form.h"

namespace tavrin {
namespace {

struct PlayVideoFormTest : ::testing::Test {
    FakeFiles files;
    FakeFileSystem fs{files};

    PlayVideoFormTest() {
        files.contents["C:\\Clips\\Long Clip.avi"] = {1};
        fs.shortPaths["C:\\Clips\\Long Clip.avi"] = "C:\\CLIPS\\LONGCL~1.AVI";
        files.contents["C:\\CLIPS\\LONGCL~1.AVI"] = {1};
    }

    CommandAnswer<PlayVideoValues> Accept(int kind, const std::string& path) {
        PlayVideoFields fields;
        fields.Kind = kind;
        fields.Path = path;
        return AcceptPlayVideo(fields, fs);
    }
};

TEST_F(PlayVideoFormTest, ANewCommandPlaysImmediately) {
    EXPECT_EQ(NewPlayVideoFields().Kind, 1);
    EXPECT_EQ(NewPlayVideoFields().Path, "");
}

TEST_F(PlayVideoFormTest, AMissingClipIsRefused) {
    const auto answer = Accept(3, "C:\\Clips\\Missing.avi");
    EXPECT_EQ(answer.Refused.Message, "Specified AVI File does not exist.  Please correct.");
    EXPECT_EQ(answer.Refused.Field, kPlayVideoPath);
}

TEST_F(PlayVideoFormTest, EachKindWritesTheShortPath) {
    const struct {
        int kind;
        const char* tag;
    } cases[] = {
        {1, "<AVII:C:\\CLIPS\\LONGCL~1.AVI>"},
        {2, "<AVIE:C:\\CLIPS\\LONGCL~1.AVI>"},
        {3, "<AVI:C:\\CLIPS\\LONGCL~1.AVI>"},
        {0, ""},
    };
    for (const auto& c : cases) {
        const auto answer = Accept(c.kind, " C:\\Clips\\Long Clip.avi ");
        EXPECT_TRUE(answer.Ok()) << c.kind;
        EXPECT_EQ(answer.Text, c.tag);
    }
}

TEST_F(PlayVideoFormTest, AnEditedTagComesBackUnchanged) {
    for (const char* tag : {"<AVII:C:\\CLIPS\\LONGCL~1.AVI>", "<AVIE:C:\\CLIPS\\LONGCL~1.AVI>",
                            "<AVI:C:\\CLIPS\\LONGCL~1.AVI>"}) {
        const auto answer =
            AcceptPlayVideo(PlayVideoFieldsOf(PlayVideoValuesOf(Recognise(tag, 0))), fs);
        EXPECT_EQ(answer.Text, tag);
    }
}

}  // namespace
}  // namespace tavrin
