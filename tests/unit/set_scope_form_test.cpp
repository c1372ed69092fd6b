#include <gtest/gtest.h>

#include "forms/set_scope_form.h"

namespace tavrin {
namespace {

TEST(SetScopeFormTest, ListsTitledWindowsAndPrograms) {
    EXPECT_TRUE(ListsWindowTitle("Untitled - Notepad"));
    EXPECT_FALSE(ListsWindowTitle("   "));
    EXPECT_FALSE(ListsWindowTitle(""));
    EXPECT_TRUE(ListsProgramName("notepad.exe"));
    EXPECT_TRUE(ListsProgramName("WINWORD.EXE"));
    EXPECT_FALSE(ListsProgramName("?SYSTEM.EXE"));
    EXPECT_FALSE(ListsProgramName("kernel32.dll"));
    EXPECT_FALSE(ListsProgramName(""));
    EXPECT_EQ(ScopeNameOfEntry("Document1 - Microsoft Word"), "Document1 - Microsof");
    EXPECT_EQ(ScopeNameOfEntry("Notepad"), "Notepad");
}

TEST(SetScopeFormTest, AnEmptyFieldIsRefusedOrOffersTheHighlightedEntry) {
    struct Case {
        bool program;
        const char* highlighted;
        const char* message;
        bool question;
    };
    const Case cases[] = {
        {false, "", "No window title has been entered.  Please correct.", false},
        {true, "", "No program name has been entered.  Please correct.", false},
        {false, "Untitled - Notepad",
         "No window title has been entered.  \"Untitled - Notepad\" is currently highlighted.  "
         "Would you like to use it?",
         true},
        {true, "notepad.exe",
         "No program name has been entered.  \"notepad.exe\" is currently highlighted.  Would "
         "you like to use it?",
         true},
    };
    for (const Case& c : cases) {
        const auto answer = AcceptSetScope({c.program, "  ", c.highlighted, true});
        EXPECT_EQ(answer.Refused.Message, c.message);
        EXPECT_EQ(answer.Refused.Question, c.question);
        EXPECT_EQ(answer.Refused.Field, kScopeNameField);
    }
}

TEST(SetScopeFormTest, TakesTheTrimmedNameAndTheChoice) {
    const auto answer = AcceptSetScope({true, " notepad.exe ", "winword.exe", false});
    EXPECT_TRUE(answer.Ok());
    EXPECT_EQ(answer.Text, "notepad.exe");
    EXPECT_EQ(answer.Entered.Name, "notepad.exe");
    EXPECT_FALSE(answer.Entered.OnTopOnly);
    EXPECT_TRUE(AcceptSetScope({false, "Notepad", "", true}).Entered.OnTopOnly);
}

}  // namespace
}  // namespace tavrin
