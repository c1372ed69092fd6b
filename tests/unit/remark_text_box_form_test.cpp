#include <gtest/gtest.h>

#include "forms/remark_form.h"
#include "forms/text_box_command_form.h"

namespace tavrin {
namespace {

TEST(RemarkFormTest, TheCommentIsTrimmedAndMayBeEmpty) {
    EXPECT_EQ(AcceptRemark(NewRemarkFields()).Text, "<REM:>");
    const auto answer = AcceptRemark({"  check the totals  "});
    EXPECT_TRUE(answer.Ok());
    EXPECT_EQ(answer.Text, "<REM:check the totals>");
    EXPECT_EQ(answer.Entered.Comment, "check the totals");
    for (const char* tag : {"<REM:check the totals>", "<REM:>"})
        EXPECT_EQ(AcceptRemark(RemarkFieldsOf(RemarkValuesOf(Recognise(tag, 0)))).Text, tag);
}

TEST(TextBoxFormTest, TheHeaderIsTrimmedAndTheContentKeptAsEntered) {
    EXPECT_EQ(NewTextBoxFields().Content, "");
    const auto answer = AcceptTextBox({"  Notes ", " Line one\r\nLine two "});
    EXPECT_TRUE(answer.Ok());
    EXPECT_EQ(answer.Entered.Header, "Notes");
    EXPECT_EQ(answer.Entered.Content, " Line one\r\nLine two ");
    EXPECT_EQ(answer.Text, "<TBOX:<HEAD:Notes> Line one\r\nLine two >");
    EXPECT_EQ(AcceptTextBox({"", ""}).Text, "<TBOX:<HEAD:>>");
    for (const char* tag : {"<TBOX:<HEAD:Notes>A text box shown by a macro.>", "<TBOX:<HEAD:>>"})
        EXPECT_EQ(AcceptTextBox(TextBoxFieldsOf(TextBoxValuesOf(Recognise(tag, 0)))).Text, tag);
}

}  // namespace
}  // namespace tavrin
