#include <gtest/gtest.h>

#include "forms/reboot_form.h"
#include "language/tag_recogniser.h"

namespace tavrin {
namespace {

TEST(RebootFormTest, EachChoiceWritesItsTagAndReadsBack) {
    EXPECT_EQ(NewRebootFields().Kind, 1);
    const char* tags[] = {"<LOGOFF>", "<REBOOT>", "<SHUTDOWN>", "<POWEROFF>"};
    for (int kind = 1; kind <= 4; ++kind) {
        const auto answer = AcceptReboot({kind});
        ASSERT_TRUE(answer.Ok());
        EXPECT_EQ(answer.Text, tags[kind - 1]);
        EXPECT_EQ(answer.Entered.Kind, kind);
        const RebootValues read = RebootValuesOf(Recognise(tags[kind - 1], 0));
        EXPECT_EQ(read.Kind, kind) << tags[kind - 1];
        EXPECT_EQ(AcceptReboot(RebootFieldsOf(read)).Text, tags[kind - 1]);
    }
}

TEST(RebootFormTest, NoChoiceGivesNoText) {
    const auto answer = AcceptReboot({0});
    EXPECT_TRUE(answer.Ok());
    EXPECT_EQ(answer.Text, "");
}

}  // namespace
}  // namespace tavrin
