#include <gtest/gtest.h>

#include "forms/desktop_form.h"
#include "language/tag_recogniser.h"

namespace tavrin {
namespace {

constexpr const char* kTags[kDesktopChoices] = {
    "<CASCDESK>", "<TILVDESK>", "<TILHDESK>", "<MINIDESK>", "<RESTDESK>", "<SUSPEND>",
    "<UNDOCK>",   "<RUNDT>",    "<RUNFC>",    "<RUNFF>",    "<RUNRP>",    "<EXPCP>",
    "<EXPDT>",    "<EXPDP>",    "<EXPFV>",    "<EXPFT>",    "<EXPMC>",    "<EXPNW>",
    "<EXPPR>",    "<EXPPF>",    "<EXPRD>",    "<EXPRB>",    "<EXPSM>",    "<EXPSU>",
    "<EXPUD>",
};

TEST(DesktopFormTest, EachChoiceWritesItsTagAndReadsBack) {
    EXPECT_EQ(NewDesktopFields().Kind, 1);
    for (int kind = 1; kind <= kDesktopChoices; ++kind) {
        const char* tag = kTags[kind - 1];
        const auto answer = AcceptDesktop({kind});
        ASSERT_TRUE(answer.Ok());
        EXPECT_EQ(answer.Text, tag);
        EXPECT_EQ(answer.Entered.Kind, kind);
        const DesktopValues read = DesktopValuesOf(Recognise(tag, 0));
        EXPECT_EQ(read.Kind, kind) << tag;
        EXPECT_EQ(AcceptDesktop(DesktopFieldsOf(read)).Text, tag);
    }
    EXPECT_EQ(AcceptDesktop({0}).Text, "");
}

TEST(DesktopFormTest, OnlyTheWindowArrangementsNeedNoShellAutomation) {
    for (int kind = 1; kind <= kDesktopChoices; ++kind) {
        EXPECT_TRUE(DesktopChoiceEnabled(kind, true)) << kind;
        EXPECT_EQ(DesktopChoiceEnabled(kind, false), kind <= 3) << kind;
    }
}

}  // namespace
}  // namespace tavrin
