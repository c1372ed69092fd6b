// The "Wait For", "Set Delay" and "Repeat Options" dialogs' models.
#include <gtest/gtest.h>

#include <string>

#include "forms/repeat_options_form.h"
#include "forms/set_delay_form.h"
#include "forms/wait_for_form.h"
#include "language/tag_recogniser.h"

namespace tavrin {
namespace {

TEST(WaitForFormTest, ANewCommandWaitsTenMinutesForEnter) {
    const WaitForFields f = NewWaitForFields();
    EXPECT_EQ(f.Kind, kWaitForTitle);
    EXPECT_TRUE(f.Limited);
    EXPECT_EQ(f.Minutes, "10");
    EXPECT_EQ(f.KeyPosition, kWaitEnterKey);
}

TEST(WaitForFormTest, EachKindGivesItsTag) {
    struct Case {
        int kind;
        const char* entry;  // title, program name or text
        bool caseSensitive;
        bool limited;
        const char* minutes;
        const char* tag;
    } cases[] = {
        {kWaitForTitle, "  Notepad  ", false, true, "10", "<WAITWIN:010:Notepad>"},
        {kWaitForTitle, "Notepad", false, false, "abc", "<WAITWIN:000:Notepad>"},
        {kWaitForLoseFocus, "Calc", false, true, " 5 ", "<WAITWLF:005:Calc>"},
        {kWaitForProgram, "NOTEPAD.EXE", false, true, "120", "<WAITPROG:120:NOTEPAD.EXE>"},
        {kWaitForText, "Done", true, true, "1", "<WAITTXTY:001:Done>"},
        {kWaitForText, "done", false, false, "", "<WAITTXTN:000:done>"},
        {kWaitForLeftClick, "", false, true, "2", "<WAITLM:002>"},
        {kWaitForRightClick, "", false, false, "", "<WAITRM:000>"},
        {kWaitForMiddleClick, "", false, true, "999", "<WAITMM:999>"},
        {kWaitForPlayback, "", false, true, "", "<WAITPB>"},
    };
    for (const Case& c : cases) {
        WaitForFields f = NewWaitForFields();
        f.Kind = c.kind;
        f.Title = f.Program = f.Text = c.entry;
        f.CaseSensitive = c.caseSensitive;
        f.Limited = c.limited;
        f.Minutes = c.minutes;
        const auto answer = AcceptWaitFor(f);
        ASSERT_TRUE(answer.Ok()) << c.tag << ": " << answer.Refused.Message;
        EXPECT_EQ(answer.Text, c.tag);
    }
    WaitForFields key = NewWaitForFields();
    key.Kind = kWaitForKey;
    key.Limited = false;
    const auto answer = AcceptWaitFor(key);
    EXPECT_EQ(answer.Text, "<WAITKEY:000:50>");
    EXPECT_EQ(answer.Entered.Stored, "50");
    key.KeyPosition = 5;
    EXPECT_EQ(AcceptWaitFor(key).Entered.Stored, "05");
}

TEST(WaitForFormTest, ChecksComeInOrderWithTheirMessages) {
    struct Case {
        int kind;
        const char* entry;
        int keyPosition;
        const char* minutes;
        const char* message;
        int field;
    } cases[] = {
        {kWaitForTitle, "   ", 0, "x", "No entry made for Window Title.  Please correct.",
         kWaitTitleField},
        {kWaitForLoseFocus, "", 0, "10", "No entry made for Window Title.  Please correct.",
         kWaitTitleField},
        {kWaitForProgram, " ", 0, "10", "No entry made for program name.  Please correct.",
         kWaitProgramField},
        {kWaitForText, "", 0, "10", "No text entered.  Please correct.", kWaitTextField},
        {kWaitForKey, "", -1, "10", "No key selected.  Please correct.", kWaitKeyField},
        {kWaitForTitle, "Notepad", 0, "0", "Value must be greater than zero.", kWaitMinutesField},
        {kWaitForLeftClick, "", 0, "", "Value must be greater than zero.", kWaitMinutesField},
        {kWaitForText, "x", 0, "-3", "Value must be greater than zero.", kWaitMinutesField},
    };
    for (const Case& c : cases) {
        WaitForFields f = NewWaitForFields();
        f.Kind = c.kind;
        f.Title = f.Program = f.Text = c.entry;
        f.KeyPosition = c.keyPosition;
        f.Minutes = c.minutes;
        const auto answer = AcceptWaitFor(f);
        EXPECT_EQ(answer.Refused.Message, c.message) << c.kind << " " << c.entry;
        EXPECT_EQ(answer.Refused.Field, c.field) << c.message;
        EXPECT_EQ(answer.Text, "");
    }
    WaitForFields none = NewWaitForFields();
    none.Kind = 0;
    EXPECT_TRUE(AcceptWaitFor(none).Ok());
    EXPECT_EQ(AcceptWaitFor(none).Text, "") << "no choice closes with nothing entered";
}

template <class Values, class Fields>
void ExpectRoundTrip(const char* tag, Values (*valuesOf)(const TagMatch&),
                     Fields (*fieldsOf)(const Values&),
                     CommandAnswer<Values> (*accept)(const Fields&)) {
    const TagMatch match = Recognise(tag, 0);
    ASSERT_TRUE(match.IsTag()) << tag;
    const auto answer = accept(fieldsOf(valuesOf(match)));
    EXPECT_TRUE(answer.Ok()) << tag << ": " << answer.Refused.Message;
    EXPECT_EQ(answer.Text, tag);
}

TEST(WaitForFormTest, AnEditedTagIsWrittenBackTheSame) {
    for (const char* tag : {"<WAITWIN:010:Notepad>", "<WAITWLF:000:Untitled - Notepad>",
                            "<WAITPROG:005:CALC.EXE>", "<WAITKEY:000:50>", "<WAITKEY:003:05>",
                            "<WAITTXTY:001:Hello>", "<WAITTXTN:000:hello>", "<WAITLM:007>",
                            "<WAITRM:000>", "<WAITMM:001>", "<WAITPB>"})
        ExpectRoundTrip(tag, WaitForValuesOf, WaitForFieldsOf, AcceptWaitFor);
    const WaitForFields f = WaitForFieldsOf(WaitForValuesOf(Recognise("<WAITWIN:000:X>", 0)));
    EXPECT_FALSE(f.Limited) << "0 minutes checks Wait Indefinitely";
}

TEST(SetDelayFormTest, SecondsAndMilliseconds) {
    struct Case {
        int kind;
        const char* value;
        const char* tag;      // expected, or nullptr when refused
        const char* message;  // of the refusal
    } cases[] = {
        {kDelaySeconds, "0.5", "<DELAY:00.50>", nullptr},
        {kDelaySeconds, "60", "<DELAY:60.00>", nullptr},
        {kDelaySeconds, " 1.5 ", "<DELAY:01.50>", nullptr},
        {kDelaySeconds, "0", nullptr, "Value must be greater than zero and no larger than 60."},
        {kDelaySeconds, "60.01", nullptr, "Value must be greater than zero and no larger than 60."},
        {kDelaySeconds, "", nullptr, "Value must be greater than zero and no larger than 60."},
        {kDelaySeconds, "abc", nullptr, "Value must be greater than zero and no larger than 60."},
        {kDelayMilliseconds, "250", "<MSD:0250>", nullptr},
        {kDelayMilliseconds, "9999", "<MSD:9999>", nullptr},
        {kDelayMilliseconds, "0", nullptr, "Value must be greater than zero."},
        {kDelayMilliseconds, "", nullptr, "Value must be greater than zero."},
        {kDelayMilliseconds, "10000", nullptr, "Value must be less than 9999."},
    };
    for (const Case& c : cases) {
        SetDelayFields f = NewSetDelayFields();
        f.Kind = c.kind;
        f.Seconds = f.Milliseconds = c.value;
        const auto answer = AcceptSetDelay(f);
        if (c.tag) {
            EXPECT_TRUE(answer.Ok()) << c.value << ": " << answer.Refused.Message;
            EXPECT_EQ(answer.Text, c.tag);
        } else {
            EXPECT_EQ(answer.Refused.Message, c.message) << c.value;
            EXPECT_EQ(answer.Refused.Field,
                      c.kind == kDelaySeconds ? kDelaySecondsField : kDelayMillisecondsField);
        }
    }
    EXPECT_EQ(NewSetDelayFields().Kind, kDelaySeconds);
    for (const char* tag : {"<DELAY:00.50>", "<DELAY:60.00>", "<MSD:0001>"})
        ExpectRoundTrip(tag, SetDelayValuesOf, SetDelayFieldsOf, AcceptSetDelay);
}

TEST(RepeatOptionsFormTest, KindsChecksAndTags) {
    const RepeatOptionsFields fresh = NewRepeatOptionsFields();
    EXPECT_EQ(fresh.Kind, kRepeatStart);
    EXPECT_EQ(fresh.Count, "0");
    EXPECT_EQ(fresh.CounterStart, "1");
    EXPECT_EQ(fresh.CounterStep, "1");
    EXPECT_EQ(AcceptRepeatOptions(fresh).Refused.Message, "Value must be greater than zero.");

    struct Case {
        int kind;
        const char* count;
        const char* start;
        const char* step;
        const char* tag;      // nullptr when refused
        const char* message;
        int field;
    } cases[] = {
        {kRepeatStart, "3", "10", "5", "<REP:0003:000010:000005>", nullptr, 0},
        {kRepeatStart, "9999", "1", "1", "<REP:9999:000001:000001>", nullptr, 0},
        {kRepeatStart, "", "1", "1", nullptr, "Value must be greater than zero.", kRepeatCountField},
        {kRepeatStart, "2", "", "1", nullptr, "Invalid start counter specified.  Please Correct.",
         kRepeatStartField},
        {kRepeatStart, "2", "1", "x", nullptr, "Invalid step counter specified.  Please Correct.",
         kRepeatStepField},
        {kRepeatPrompt, "", "", "", "<PROMPTREP>", nullptr, 0},
        {kRepeatEnd, "x", "", "", "<ENDREP>", nullptr, 0},
        {kRepeatCounter, "1", "", "", "<I>", nullptr, 0},
        {kRepeatCounter, "4", "", "", "<IIII>", nullptr, 0},
        {kRepeatCounter, "5", "", "", nullptr, "Width must be between 1 and 4.", kRepeatCountField},
        {kRepeatCounter, "0", "", "", nullptr, "Width must be between 1 and 4.", kRepeatCountField},
    };
    for (const Case& c : cases) {
        const auto answer = AcceptRepeatOptions({c.kind, c.count, c.start, c.step});
        if (c.tag) {
            EXPECT_TRUE(answer.Ok()) << c.tag << ": " << answer.Refused.Message;
            EXPECT_EQ(answer.Text, c.tag);
        } else {
            EXPECT_EQ(answer.Refused.Message, c.message) << c.count << "/" << c.start;
            EXPECT_EQ(answer.Refused.Field, c.field) << c.message;
        }
    }
    for (const char* tag : {"<REP:0003:000010:000005>", "<PROMPTREP>", "<ENDREP>", "<III>"})
        ExpectRoundTrip(tag, RepeatOptionsValuesOf, RepeatOptionsFieldsOf, AcceptRepeatOptions);
    const RepeatOptionsValues old = RepeatOptionsValuesOf(Recognise("<REPEAT:0007>", 0));
    EXPECT_EQ(AcceptRepeatOptions(RepeatOptionsFieldsOf(old)).Text, "<REP:0007:000001:000001>")
        << "the older form is read as a counted start from 1 by 1";
}

}  // namespace
}  // namespace tavrin
