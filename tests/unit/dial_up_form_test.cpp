#include <gtest/gtest.h>

#include "forms/dial_up_form.h"
#include "language/scrambled_password.h"
#include "language/tag_recogniser.h"

namespace tavrin {
namespace {

TEST(DialUpFormTest, ANewCommandDials) {
    const DialUpFields fields = NewDialUpFields();
    EXPECT_EQ(fields.Kind, 1);
    EXPECT_EQ(ListLine({"Office", "Home"}, fields.Entry), 0);
}

TEST(DialUpFormTest, DiallingNeedsAnEntry) {
    const auto answer = AcceptDialUp({1, "", "jo", "pw"});
    EXPECT_EQ(answer.Refused.Message, "No phone book entry has been selected.");
    EXPECT_EQ(answer.Refused.Field, 1);
    EXPECT_EQ(DialEntryRefusal({1, "", "", ""}).Message, answer.Refused.Message);
    EXPECT_TRUE(DialEntryRefusal({1, "Office", "", ""}).Message.empty());
}

TEST(DialUpFormTest, TheTagOfEachKindAndItsEdit) {
    struct Case {
        DialUpFields fields;
        std::string tag;
    } cases[] = {
        {{1, "Office", " jo ", " secret "},
         "<DIAL:<NAME:jo><PASS:" + ScramblePassword("secret") + ">Office>"},
        {{1, "Home", "", ""}, "<DIAL:<NAME:><PASS:>Home>"},
        {{2, "Office", "jo", "pw"}, "<HANG>"},
        {{0, "Office", "", ""}, ""},
    };
    for (const Case& c : cases) {
        const auto answer = AcceptDialUp(c.fields);
        ASSERT_TRUE(answer.Ok()) << c.tag;
        EXPECT_EQ(answer.Text, c.tag);
        if (c.tag.empty()) continue;
        const auto again = AcceptDialUp(DialUpFieldsOf(DialUpValuesOf(Recognise(c.tag, 0))));
        EXPECT_EQ(again.Text, c.tag);
    }
    const auto hang = AcceptDialUp({2, "Office", "jo", "pw"});
    EXPECT_TRUE(hang.Entered.Entry.empty() && hang.Entered.User.empty());
}

}  // namespace
}  // namespace tavrin
