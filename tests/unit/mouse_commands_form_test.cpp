#include <gtest/gtest.h>

#include "forms/mouse_commands_form.h"

namespace tavrin {
namespace {

MouseFields Move(int relativeTo, const char* x, const char* y) {
    MouseFields fields = NewMouseFields();
    fields.RelativeTo = relativeTo;
    fields.X = x;
    fields.Y = y;
    return fields;
}

MouseFields OfKind(int kind, const char* clicks = "1") {
    MouseFields fields = NewMouseFields();
    fields.Kind = kind;
    fields.Clicks = clicks;
    return fields;
}

TEST(MouseCommandsFormTest, ANewCommandMovesToTheScreenOrigin) {
    const MouseFields fields = NewMouseFields();
    EXPECT_EQ(fields.Kind, kMouseMove);
    EXPECT_EQ(fields.RelativeTo, kRelativeToScreen);
    EXPECT_EQ(fields.X, "0");
    EXPECT_EQ(fields.Y, "0");
    EXPECT_EQ(fields.Clicks, "1");
    EXPECT_EQ(AcceptMouse(fields).Text, "<MMS:00000,00000>");
}

TEST(MouseCommandsFormTest, EachChoiceGivesItsTag) {
    const struct {
        MouseFields fields;
        const char* tag;
    } cases[] = {
        {Move(kRelativeToScreen, " 120 ", "30000"), "<MMS:00120,30000>"},
        {Move(kRelativeToWindow, "5", "7"), "<MMW:00005,00007>"},
        {Move(kRelativeToLast, "-10", "0"), "<MMP:-0010,00000>"},
        {Move(kRelativeToLast, "-9999", "-1"), "<MMP:-9999,-0001>"},
        {OfKind(2), "<LCLK>"},  {OfKind(3), "<LDCLK>"},  {OfKind(4), "<LDN>"},
        {OfKind(5), "<LUP>"},   {OfKind(6), "<RCLK>"},   {OfKind(7), "<RDCLK>"},
        {OfKind(8), "<RDN>"},   {OfKind(9), "<RUP>"},    {OfKind(10), "<MCLK>"},
        {OfKind(11), "<MDCLK>"}, {OfKind(12), "<MDN>"},  {OfKind(13), "<MUP>"},
        {OfKind(14, "3"), "<WFW:003>"},
        {OfKind(15, "120"), "<WBW:120>"},
        {OfKind(0), ""},
    };
    for (const auto& c : cases) {
        const auto answer = AcceptMouse(c.fields);
        EXPECT_TRUE(answer.Ok()) << c.tag << ": " << answer.Refused.Message;
        EXPECT_EQ(answer.Text, c.tag);
        EXPECT_EQ(answer.Entered.Kind, c.fields.Kind) << c.tag;
    }
    const auto move = AcceptMouse(Move(kRelativeToLast, "-10", "4")).Entered;
    EXPECT_EQ(move.X, -10);
    EXPECT_EQ(move.Y, 4);
    EXPECT_EQ(move.RelativeTo, kRelativeToLast);
    EXPECT_EQ(AcceptMouse(OfKind(14, "3")).Entered.Clicks, 3);
    EXPECT_EQ(AcceptMouse(OfKind(2)).Entered.RelativeTo, kRelativeToWindow);
}

TEST(MouseCommandsFormTest, ChecksInOrderWithTheirMessages) {
    const char* clicks = "Invalid number of wheel clicks specified.  Please correct.";
    const char* x = "Invalid X Position specified.  Please correct.";
    const char* y = "Invalid Y Position specified.  Please correct.";
    const struct {
        MouseFields fields;
        const char* message;
        int field;
    } cases[] = {
        {OfKind(14, "0"), clicks, kWheelClicksField},
        {OfKind(15, ""), clicks, kWheelClicksField},
        {OfKind(14, "2x"), clicks, kWheelClicksField},
        {Move(kRelativeToScreen, "-10", "0"), x, kMouseXField},
        {Move(kRelativeToWindow, "-1", "0"), x, kMouseXField},
        {Move(kRelativeToLast, "30001", "0"), x, kMouseXField},
        {Move(kRelativeToScreen, "", "0"), x, kMouseXField},
        {Move(kRelativeToScreen, "-1", "-1"), x, kMouseXField},
        {Move(kRelativeToScreen, "0", "-1"), y, kMouseYField},
        {Move(kRelativeToLast, "0", "30001"), y, kMouseYField},
        {Move(kRelativeToWindow, "0", "1.5"), y, kMouseYField},
    };
    for (const auto& c : cases) {
        const auto answer = AcceptMouse(c.fields);
        EXPECT_EQ(answer.Refused.Message, c.message) << c.fields.X << "," << c.fields.Y;
        EXPECT_EQ(answer.Refused.Field, c.field) << c.fields.X << "," << c.fields.Y;
        EXPECT_EQ(answer.Text, "");
    }
    MouseFields hidden = OfKind(2, "0");
    hidden.X = "-5";
    EXPECT_TRUE(AcceptMouse(hidden).Ok()) << "the fields of the panels not shown are not checked";
}

TEST(MouseCommandsFormTest, AnEditGivesBackTheSameTag) {
    for (const char* tag : {"<MMS:00120,00340>", "<MMW:00005,00007>", "<MMP:-0010,00000>",
                            "<LDCLK>", "<RUP>", "<MDN>", "<WFW:003>", "<WBW:120>"}) {
        const MouseFields fields = MouseFieldsOf(MouseValuesOf(Recognise(tag, 0)));
        EXPECT_EQ(AcceptMouse(fields).Text, tag);
    }
    const MouseFields button = MouseFieldsOf(MouseValuesOf(Recognise("<RCLK>", 0)));
    EXPECT_EQ(button.Clicks, "1") << "the hidden panels keep a new command's values";
    EXPECT_EQ(button.RelativeTo, kRelativeToScreen);
}

}  // namespace
}  // namespace tavrin
