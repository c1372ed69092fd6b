#include <gtest/gtest.h>

#include "forms/size_window_form.h"

namespace tavrin {
namespace {

TEST(SizeWindowFormTest, NewCommandResizesASpecificWindow) {
    const SizeWindowFields fields = NewSizeWindowFields();
    EXPECT_EQ(fields.Kind, 1);
    EXPECT_FALSE(fields.CurrentWindow);
}

TEST(SizeWindowFormTest, ChecksInOrder) {
    struct Case {
        int kind;
        bool current;
        const char* title;
        const char* first;
        const char* second;
        const char* message;
        int field;
    };
    const char* width = "Invalid width specified.  Width must be 10 or greater.  Please correct.";
    const char* height =
        "Invalid height specified.  Height must be 30 or greater.  Please correct.";
    const char* left = "Invalid left position specified.  Please correct.";
    const char* top = "Invalid top position specified.  Please correct.";
    const Case cases[] = {
        {1, false, " ", "9", "x", "No Window title specified.  Please correct", kSizeTitleField},
        {1, true, "", "9", "100", width, kSizeFirstField},
        {1, true, "", "", "100", width, kSizeFirstField},
        {1, true, "", "10", "29", height, kSizeSecondField},
        {1, true, "", "10", "3O", height, kSizeSecondField},
        {2, true, "", "", "0", left, kSizeFirstField},
        {2, true, "", "1.5", "0", left, kSizeFirstField},
        {2, true, "", "-20", "-1", top, kSizeSecondField},
        {2, true, "", "-20", "", top, kSizeSecondField},
    };
    for (const Case& c : cases) {
        SizeWindowFields fields{c.kind, c.current, c.title, c.first, c.second};
        const auto answer = AcceptSizeWindow(fields);
        EXPECT_EQ(answer.Refused.Message, c.message) << c.first << "," << c.second;
        EXPECT_EQ(answer.Refused.Field, c.field) << c.first << "," << c.second;
    }
}

TEST(SizeWindowFormTest, ResultOfEachKind) {
    struct Case {
        int kind;
        bool current;
        const char* title;
        const char* first;
        const char* second;
        const char* text;
    };
    const Case cases[] = {
        {1, false, " Notepad ", "10", "30", "<WSIZE:0010,0030Notepad>"},
        {1, true, "Notepad", "640", "480", "<WSIZE:0640,0480\"CURRENT\">"},
        {2, false, "Notepad", "-20", "0", "<WPOS2:-0020,00000Notepad>"},
        {2, true, "", "100", "5", "<WPOS2:00100,00005\"CURRENT\">"},
        {0, true, "", "", "", ""},
    };
    for (const Case& c : cases) {
        SizeWindowFields fields{c.kind, c.current, c.title, c.first, c.second};
        const auto answer = AcceptSizeWindow(fields);
        EXPECT_TRUE(answer.Ok()) << answer.Refused.Message;
        EXPECT_EQ(answer.Text, c.text);
    }
}

TEST(SizeWindowFormTest, EditGivesTheSameTag) {
    for (const char* tag : {"<WSIZE:0800,0600Notepad>", "<WSIZE:0010,0030\"CURRENT\">",
                            "<WPOS2:-0020,00010Word>", "<WPOS2:00000,00000\"CURRENT\">"}) {
        const auto fields = SizeWindowFieldsOf(SizeWindowValuesOf(Recognise(tag, 0)));
        EXPECT_EQ(AcceptSizeWindow(fields).Text, tag);
    }
}

}  // namespace
}  // namespace tavrin
