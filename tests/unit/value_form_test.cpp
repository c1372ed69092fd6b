#include "forms/value_form.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(ValueFormTest, AltKeypadSequences) {
    EXPECT_EQ(NewAltKeypadFields().Number, "");
    struct Case {
        const char* typed;
        const char* tag;
    };
    const Case cases[] = {
        {"5", "<ALT:005>"},     {"65", "<ALT:065>"},     {" 065 ", "<ALT:065>"},
        {"255", "<ALT:255>"},   {"0065", "<ALT4:0065>"}, {"1234", "<ALT4:1234>"},
        {" 12 ", "<ALT:012>"},
    };
    for (const Case& c : cases) {
        const auto answer = AcceptAltKeypad({c.typed});
        EXPECT_TRUE(answer.Ok()) << c.typed;
        EXPECT_EQ(answer.Text, c.tag) << c.typed;
    }
    for (const char* bad : {"", "  ", "6a", "1.5", "x"}) {
        const auto answer = AcceptAltKeypad({bad});
        EXPECT_EQ(answer.Refused.Message, "Value must be numeric.") << bad;
        EXPECT_EQ(answer.Refused.Field, 1);
        EXPECT_EQ(answer.Text, "");
    }
}

TEST(ValueFormTest, AnAltKeypadEditWritesTheSameTagBack) {
    for (const char* tag : {"<ALT:065>", "<ALT:005>", "<ALT4:0065>", "<ALT4:1234>"})
        EXPECT_EQ(AcceptAltKeypad(AltKeypadFieldsOf(AltKeypadValuesOf(Recognise(tag, 0)))).Text, tag);
    EXPECT_EQ(AltKeypadFieldsOf(AltKeypadValuesOf(Recognise("<ALT4:0065>", 0))).Number, "0065");
}

TEST(ValueFormTest, SchedulerFrequencyFrom1To60Seconds) {
    EXPECT_EQ(NewSchedulerFrequencyFields(10).Seconds, "10");
    for (const char* good : {"1", " 7 ", "60"}) {
        const auto answer = AcceptSchedulerFrequency({good});
        EXPECT_TRUE(answer.Ok()) << good;
        EXPECT_EQ(answer.Entered.Seconds, std::stoi(good));
        EXPECT_EQ(answer.Text, std::to_string(std::stoi(good)));
    }
    for (const char* bad : {"0", "61", "", "-5", "ab"}) {
        const auto answer = AcceptSchedulerFrequency({bad});
        EXPECT_EQ(answer.Refused.Message, "Value must be between 1 and 60.") << bad;
        EXPECT_EQ(answer.Refused.Field, 1);
    }
}

}  // namespace
}  // namespace tavrin
