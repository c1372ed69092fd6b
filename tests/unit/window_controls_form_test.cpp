#include <gtest/gtest.h>

#include "forms/window_controls_form.h"

namespace tavrin {
namespace {

TEST(WindowControlsFormTest, NewCommandMaximizesASpecificWindow) {
    const WindowControlsFields fields = NewWindowControlsFields();
    EXPECT_EQ(fields.Kind, 1);
    EXPECT_FALSE(fields.CurrentWindow);
}

TEST(WindowControlsFormTest, ASpecificWindowNeedsATitle) {
    WindowControlsFields fields;
    fields.Kind = 4;
    fields.Title = "  ";
    const auto answer = AcceptWindowControls(fields);
    EXPECT_EQ(answer.Refused.Message, "No Window title specified.  Please correct");
    EXPECT_EQ(answer.Refused.Field, kWindowControlsTitleField);
}

TEST(WindowControlsFormTest, ResultOfEachKind) {
    const char* tags[] = {"<WMAX:", "<WMIN:", "<WRES:", "<WCLS:", "<WHIDE:", "<WSHOW:", "<WSHUT:"};
    for (int kind = 1; kind <= 7; ++kind) {
        WindowControlsFields fields;
        fields.Kind = kind;
        fields.Title = " Notepad ";
        EXPECT_EQ(AcceptWindowControls(fields).Text, std::string(tags[kind - 1]) + "Notepad>");
        fields.CurrentWindow = true;
        EXPECT_EQ(AcceptWindowControls(fields).Text,
                  std::string(tags[kind - 1]) + "\"CURRENT\">");
    }
    EXPECT_EQ(AcceptWindowControls(WindowControlsFields{}).Text, "");
}

TEST(WindowControlsFormTest, EditGivesTheSameTag) {
    for (const char* tag : {"<WMAX:Notepad>", "<WHIDE:\"CURRENT\">", "<WSHUT:Word>"}) {
        const auto fields = WindowControlsFieldsOf(WindowControlsValuesOf(Recognise(tag, 0)));
        EXPECT_EQ(AcceptWindowControls(fields).Text, tag);
    }
}

}  // namespace
}  // namespace tavrin
