#include <gtest/gtest.h>

#include "forms/speed_form.h"

namespace tavrin {
namespace {

SpeedFields Speed(int kind, const char* value) {
    SpeedFields fields;
    fields.Kind = kind;
    fields.Value = value;
    return fields;
}

TEST(SpeedFormTest, ANewCommandSetsTheKeyboardSpeed) {
    EXPECT_EQ(NewSpeedFields().Kind, kKeyboardSpeed);
    EXPECT_STREQ(SpeedLabel(kKeyboardSpeed), "Delay in Milliseconds");
    EXPECT_STREQ(SpeedLabel(kMouseSpeed), "Delay in Milliseconds");
    EXPECT_STREQ(SpeedLabel(kMacroSpeed), "Playback Factor");
}

TEST(SpeedFormTest, EachChoiceGivesItsTagAndValues) {
    const struct {
        SpeedFields fields;
        const char* tag;
        int milliseconds;
        double factor;
    } cases[] = {
        {Speed(kKeyboardSpeed, " 50 "), "<SPKEY:0050>", 50, 1.0},
        {Speed(kKeyboardSpeed, ""), "<SPKEY:0000>", 0, 1.0},
        {Speed(kKeyboardSpeed, "abc"), "<SPKEY:0000>", 0, 1.0},
        {Speed(kMouseSpeed, "9999"), "<SPMSE:9999>", 9999, 1.0},
        {Speed(kMacroSpeed, "0.5"), "<SPEED:00.50>", 0, 0.5},
        {Speed(kMacroSpeed, "1"), "<SPEED:01.00>", 0, 1.0},
        {Speed(kMacroSpeed, "0"), "<SPEED:00.00>", 0, 0.0},
        {Speed(kMacroSpeed, "12.5"), "<SPEED:12.50>", 0, 12.5},
        {Speed(0, "10"), "", 0, 1.0},
    };
    for (const auto& c : cases) {
        const auto answer = AcceptSpeed(c.fields);
        EXPECT_TRUE(answer.Ok()) << c.tag;
        EXPECT_EQ(answer.Text, c.tag);
        EXPECT_EQ(answer.Entered.Milliseconds, c.milliseconds) << c.tag;
        EXPECT_DOUBLE_EQ(answer.Entered.Factor, c.factor) << c.tag;
    }
}

TEST(SpeedFormTest, NegativeValuesAreRefused) {
    for (const SpeedFields& fields : {Speed(kKeyboardSpeed, "-1"), Speed(kMouseSpeed, "-100"),
                                      Speed(kMacroSpeed, "-0.5"), Speed(kMacroSpeed, ""),
                                      Speed(kMacroSpeed, "1,5")}) {
        const auto answer = AcceptSpeed(fields);
        EXPECT_EQ(answer.Refused.Message, "Value must be zero or greater.") << fields.Value;
        EXPECT_EQ(answer.Refused.Field, kSpeedField);
        EXPECT_EQ(answer.Text, "");
    }
}

TEST(SpeedFormTest, AnEditGivesBackTheSameTag) {
    for (const char* tag : {"<SPKEY:0050>", "<SPMSE:0000>", "<SPEED:00.50>", "<SPEED:02.25>"})
        EXPECT_EQ(AcceptSpeed(SpeedFieldsOf(SpeedValuesOf(Recognise(tag, 0)))).Text, tag);
    EXPECT_EQ(SpeedFieldsOf(SpeedValuesOf(Recognise("<SPEED:00.50>", 0))).Value, "0.50");
}

}  // namespace
}  // namespace tavrin
