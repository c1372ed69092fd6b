#include "forms/text_search.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(TextSearchTest, FindsWithoutRegardToCaseFromAPosition) {
    const std::string text = "Dear sir,\r\nDEAR SIR";
    EXPECT_EQ(FindNoCase(text, "dear", 0), 0u);
    EXPECT_EQ(FindNoCase(text, "dear", 4), 11u);
    EXPECT_EQ(FindNoCase(text, "dear", 15), std::string::npos);
    EXPECT_EQ(FindNoCase(text, "SIR,", 0), 5u);
    EXPECT_EQ(FindNoCase(text, "", 0), std::string::npos);
    EXPECT_EQ(FindNoCase(text, "x", 99), std::string::npos);
    EXPECT_EQ(FindNoCase("ab", "abc", 0), std::string::npos);
}

TEST(TextSearchTest, ReplacesEveryMatchLeftToRight) {
    struct Case {
        const char* text;
        const char* what;
        const char* with;
        const char* result;
        int count;
    };
    const Case cases[] = {
        {"Dear sir, dear SIR", "sir", "Madam", "Dear Madam, dear Madam", 2},
        {"aaaa", "aa", "a", "aa", 2},
        {"abc", "b", "bb", "abbc", 1},
        {"abc", "x", "y", "abc", 0},
        {"one\r\ntwo", "o", "0", "0ne\r\ntw0", 2},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(ReplaceNoCase(text, c.what, c.with), c.count) << c.text;
        EXPECT_EQ(text, c.result);
    }
    EXPECT_EQ(NotFoundMessage("Sir"), "\"Sir\" was not found.");
    EXPECT_EQ(ReplacedMessage("Sir", 3), "\"Sir\" was replaced 3 times.");
}

}  // namespace
}  // namespace tavrin
