#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "forms/activate_launch_form.h"

namespace tavrin {
namespace {

class ActivateLaunchFormTest : public ::testing::Test {
protected:
    ActivateLaunchFormTest() {
        files.contents["C:\\NOTEPAD.EXE"] = {};
        files.contents["C:\\Program Files\\Word Pad\\wordpad.exe"] = {};
        system.shortPaths["C:\\Program Files\\Word Pad\\wordpad.exe"] =
            "C:\\PROGRA~1\\WORDPA~1\\WORDPAD.EXE";
    }
    FakeFiles files;
    FakeFileSystem system{files};
};

TEST_F(ActivateLaunchFormTest, NewCommandActivatesOrLaunches) {
    const ActivateLaunchFields fields = NewActivateLaunchFields();
    EXPECT_EQ(fields.Kind, 4);
    EXPECT_EQ(fields.Title, "");
    EXPECT_EQ(fields.Delay, "");
}

TEST_F(ActivateLaunchFormTest, ChecksInOrder) {
    struct Case {
        int kind;
        const char* title;
        const char* program;
        const char* delay;
        const char* message;
        int field;
    };
    const Case cases[] = {
        {1, "   ", "", "", "No entry made for Window Title.  Please correct.", kActivateTitleField},
        {3, "", "C:\\MISSING.EXE", "", "No entry made for Window Title.  Please correct.",
         kActivateTitleField},
        {2, "", "C:\\MISSING.EXE", "",
         "Specified Path and Program does not exist.  Please correct.", kActivateProgramField},
        {4, "Notepad", " ", "-1", "Specified Path and Program does not exist.  Please correct.",
         kActivateProgramField},
        {4, "Notepad", "C:\\NOTEPAD.EXE", "-1", "Value must be greater than zero.",
         kActivateDelayField},
        {2, "", "C:\\NOTEPAD.EXE", "-5", "Value must be greater than zero.", kActivateDelayField},
    };
    for (const Case& c : cases) {
        ActivateLaunchFields fields;
        fields.Kind = c.kind;
        fields.Title = c.title;
        fields.Program = c.program;
        fields.Delay = c.delay;
        const auto answer = AcceptActivateLaunch(fields, system);
        EXPECT_EQ(answer.Refused.Message, c.message) << c.kind << " " << c.title;
        EXPECT_EQ(answer.Refused.Field, c.field) << c.kind << " " << c.title;
        EXPECT_EQ(answer.Text, "");
    }
}

TEST_F(ActivateLaunchFormTest, ResultOfEachKind) {
    struct Case {
        int kind;
        const char* title;
        const char* program;
        const char* parameters;
        const char* delay;
        const char* text;
    };
    const Case cases[] = {
        {1, " Notepad ", "C:\\MISSING.EXE", "", "-3", "<ACTIVATE:Notepad>"},
        {2, "", "C:\\NOTEPAD.EXE", "", "", "<LAUNCH:C:\\NOTEPAD.EXE>"},
        {2, "", " C:\\Program Files\\Word Pad\\wordpad.exe ", " a.txt ", "",
         "<LAUNCH:C:\\PROGRA~1\\WORDPA~1\\WORDPAD.EXE<PARAM>a.txt>"},
        {3, "Notepad", "C:\\NOTEPAD.EXE", "", "", "<LAUNCHNO:00Notepad<LAUNCH:C:\\NOTEPAD.EXE>"},
        {4, "Untitled", "C:\\NOTEPAD.EXE", "b.txt", "5",
         "<LAUNCHYES:05Untitled<LAUNCH:C:\\NOTEPAD.EXE<PARAM>b.txt>"},
        {0, "Notepad", "C:\\NOTEPAD.EXE", "", "", ""},
    };
    for (const Case& c : cases) {
        ActivateLaunchFields fields;
        fields.Kind = c.kind;
        fields.Title = c.title;
        fields.Program = c.program;
        fields.Parameters = c.parameters;
        fields.Delay = c.delay;
        const auto answer = AcceptActivateLaunch(fields, system);
        EXPECT_TRUE(answer.Ok()) << answer.Refused.Message;
        EXPECT_EQ(answer.Text, c.text);
        EXPECT_EQ(answer.Entered.Kind, c.kind);
    }
}

TEST_F(ActivateLaunchFormTest, EditGivesTheSameTag) {
    for (const char* tag : {"<ACTIVATE:Notepad>", "<LAUNCH:C:\\NOTEPAD.EXE<PARAM>x.txt>",
                            "<LAUNCHNO:12Untitled<LAUNCH:C:\\NOTEPAD.EXE>",
                            "<LAUNCHYES:00Untitled<LAUNCH:C:\\NOTEPAD.EXE<PARAM>/p>"}) {
        const auto fields = ActivateLaunchFieldsOf(ActivateLaunchValuesOf(Recognise(tag, 0)));
        EXPECT_EQ(AcceptActivateLaunch(fields, system).Text, tag);
    }
}

}  // namespace
}  // namespace tavrin
