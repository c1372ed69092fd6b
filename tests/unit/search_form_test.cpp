#include "forms/search_form.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(SearchFormTest, AcceptedOnlyWithSomethingToFind) {
    EXPECT_EQ(NewSearchFields(false, "last").Find, "last");
    EXPECT_EQ(NewSearchFields(false, "last").Replace, "");
    EXPECT_TRUE(NewSearchFields(true, "").FindOnly);
    struct Case {
        bool findOnly;
        const char* find;
        const char* replace;
        const char* text;
        const char* replaced;
    };
    const Case cases[] = {
        {false, "Dear", "Hello", "Dear", "Hello"},
        {false, "  Dear  ", " Hello ", "Dear", "Hello"},
        {false, "Dear", "", "Dear", ""},
        {false, "", "Hello", "", ""},
        {false, "   ", "Hello", "", ""},
        {true, "Dear", "ignored", "Dear", ""},
        {true, "", "", "", ""},
    };
    for (const Case& c : cases) {
        SearchFields fields = NewSearchFields(c.findOnly, c.find);
        fields.Replace = c.replace;
        const auto answer = AcceptSearch(fields);
        EXPECT_TRUE(answer.Ok());
        EXPECT_EQ(answer.Text, c.text) << c.find;
        EXPECT_EQ(answer.Entered.Find, c.text);
        EXPECT_EQ(answer.Entered.Replace, c.replaced) << c.find;
    }
    EXPECT_EQ(AcceptSearch(NewSearchFields(true, std::string(300, 'a'))).Text.size(), 255u);
}

}  // namespace
}  // namespace tavrin
