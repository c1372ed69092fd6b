#include <gtest/gtest.h>

#include "forms/screen_setting_form.h"
#include "language/tag_recogniser.h"

namespace tavrin {
namespace {

TEST(ScreenSettingFormTest, ModeLinesAlignWidthAndHeight) {
    EXPECT_EQ(DisplayModeLine(800, 600, 16, 60), " 800 x  600  65536 Colors  60 hertz");
    EXPECT_EQ(DisplayModeLine(1920, 1080, 32, 75), "1920 x 1080  4294967296 Colors  75 hertz");
    EXPECT_EQ(DisplayModeLine(640, 480, 8, 0), " 640 x  480  256 Colors  0 hertz");
}

TEST(ScreenSettingFormTest, TheSelectedLineIsTheTagsNumber) {
    EXPECT_EQ(NewScreenSettingFields().Line, 0);
    const auto none = AcceptScreenSetting({-1});
    EXPECT_EQ(none.Refused.Message, "No display setting selected.");
    EXPECT_EQ(none.Text, "");
    for (const char* tag : {"<SCREEN:000>", "<SCREEN:007>", "<SCREEN:123>"}) {
        const auto answer = AcceptScreenSetting(ScreenSettingFieldsOf(
            ScreenSettingValuesOf(Recognise(tag, 0))));
        ASSERT_TRUE(answer.Ok()) << tag;
        EXPECT_EQ(answer.Text, tag);
    }
}

}  // namespace
}  // namespace tavrin
