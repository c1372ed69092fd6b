#include <gtest/gtest.h>

#include "forms/pause_window_form.h"

namespace tavrin {
namespace {

PauseFields Complex(const char* top, const char* left, const char* message = "") {
    PauseFields fields;
    fields.Kind = kComplexPause;
    fields.Top = top;
    fields.Left = left;
    fields.Message = message;
    return fields;
}

TEST(PauseWindowFormTest, ANewCommandIsAComplexPauseAtTheOrigin) {
    const PauseFields fields = NewPauseFields();
    EXPECT_EQ(fields.Kind, kComplexPause);
    EXPECT_EQ(fields.Top, "0");
    EXPECT_EQ(fields.Left, "0");
    EXPECT_EQ(fields.Message, "");
    EXPECT_EQ(AcceptPause(fields).Text, "<PAUSE:000,000>");
}

TEST(PauseWindowFormTest, EachChoiceGivesItsTag) {
    PauseFields basic = Complex("-1", "x");
    basic.Kind = kBasicPause;
    PauseFields none;
    const struct {
        PauseFields fields;
        const char* tag;
    } cases[] = {
        {basic, "<PAUSE>"},
        {Complex(" 20", "300 ", "  Insert the disk  "), "<PAUSE:020,300Insert the disk>"},
        {Complex("999", "0"), "<PAUSE:999,000>"},
        {none, ""},
    };
    for (const auto& c : cases) {
        const auto answer = AcceptPause(c.fields);
        EXPECT_TRUE(answer.Ok()) << c.tag;
        EXPECT_EQ(answer.Text, c.tag);
        EXPECT_EQ(answer.Entered.Kind, c.fields.Kind) << c.tag;
    }
    const auto values = AcceptPause(Complex("20", "300", " Insert the disk ")).Entered;
    EXPECT_EQ(values.Top, 20);
    EXPECT_EQ(values.Left, 300);
    EXPECT_EQ(values.Message, "Insert the disk");
}

TEST(PauseWindowFormTest, ChecksInOrderWithTheirMessages) {
    const char* top = "Invalid Top Window Coordinate entered.  Please correct.";
    const char* left = "Invalid Left Window Coordinate entered.  Please correct.";
    const struct {
        PauseFields fields;
        const char* message;
        int field;
    } cases[] = {
        {Complex("", "0"), top, kPauseTopField},
        {Complex("-1", "-1"), top, kPauseTopField},
        {Complex("1a", "0"), top, kPauseTopField},
        {Complex("0", ""), left, kPauseLeftField},
        {Complex("0", "-5"), left, kPauseLeftField},
    };
    for (const auto& c : cases) {
        const auto answer = AcceptPause(c.fields);
        EXPECT_EQ(answer.Refused.Message, c.message) << c.fields.Top << "," << c.fields.Left;
        EXPECT_EQ(answer.Refused.Field, c.field) << c.fields.Top << "," << c.fields.Left;
    }
}

TEST(PauseWindowFormTest, AnEditGivesBackTheSameTag) {
    for (const char* tag : {"<PAUSE>", "<PAUSE:020,300Insert the disk>", "<PAUSE:000,000>"})
        EXPECT_EQ(AcceptPause(PauseFieldsOf(PauseValuesOf(Recognise(tag, 0)))).Text, tag);
    EXPECT_EQ(PauseFieldsOf(PauseValuesOf(Recognise("<PAUSE>", 0))).Top, "0")
        << "a basic pause opens with a new command's location";
}

}  // namespace
}  // namespace tavrin
