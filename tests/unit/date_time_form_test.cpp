#include "forms/date_time_form.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(DateTimeFormTest, TheListsHoldEveryFormatWithItsExample) {
    EXPECT_EQ(DateTimeFormatCount(true), 51);
    EXPECT_EQ(DateTimeFormatCount(false), 26);
    EXPECT_EQ(DateTimeFormatCode(true, 1), "MM/DD/YY");
    EXPECT_EQ(DateTimeFormatExample(true, 1), "03/30/98");
    EXPECT_EQ(DateTimeFormatCode(true, 51), "Day of Week 4");
    EXPECT_EQ(DateTimeFormatExample(true, 51), "MONDAY");
    EXPECT_EQ(DateTimeFormatCode(false, 26), "hh,mma");
    EXPECT_EQ(DateTimeFormatExample(false, 26), "3,04p");
    EXPECT_EQ(DateTimeFormatCode(true, 52), "");
    EXPECT_EQ(DateTimeFormatCode(false, 0), "");
}

TEST(DateTimeFormTest, ANewCommandSelectsTheFormatGivenWithLeadingZerosAndNoDays) {
    const DateTimeFields dates = NewDateTimeFields(true, 4);
    EXPECT_TRUE(dates.Dates);
    EXPECT_EQ(dates.Format, 4);
    EXPECT_FALSE(dates.NoLeadingZeros);
    EXPECT_TRUE(dates.Future);
    EXPECT_EQ(dates.Days, "0");
    EXPECT_EQ(NewDateTimeFields(false, 27).Format, 0) << "no time format 27";
    EXPECT_EQ(NewDateTimeFields(true, 0).Format, 0);
}

TEST(DateTimeFormTest, ResultTexts) {
    struct Case {
        bool dates;
        int format;
        bool noZeros;
        bool future;
        const char* days;
        const char* tag;
    };
    const Case cases[] = {
        {true, 1, false, true, "0", "<MM/DD/YY{YF000}>"},
        {true, 1, true, true, "0", "<MM/DD/YY{NF000}>"},
        {true, 26, true, true, "30", "<DD Mmmmm YYYY{NF030}>"},
        {true, 48, false, false, " 1 ", "<Day of Week 1{YP001}>"},
        {true, 17, false, true, "", "<YYYY-MM-DD{YF000}>"},
        {true, 17, false, true, "x", "<YYYY-MM-DD{YF000}>"},
        {true, 17, false, false, "999", "<YYYY-MM-DD{YP999}>"},
        {false, 1, true, true, "5", "<hh:mm{N}>"},
        {false, 12, false, true, "", "<hh:mm am{Y}>"},
        {false, 26, true, false, "", "<hh,mma{N}>"},
        {true, 0, false, true, "0", ""},
        {false, 0, false, true, "0", ""},
    };
    for (const Case& c : cases) {
        DateTimeFields fields = NewDateTimeFields(c.dates, c.format);
        fields.NoLeadingZeros = c.noZeros;
        fields.Future = c.future;
        fields.Days = c.days;
        const auto answer = AcceptDateTime(fields);
        EXPECT_TRUE(answer.Ok()) << c.tag;
        EXPECT_EQ(answer.Text, c.tag);
    }
    DateTimeFields past = NewDateTimeFields(true, 41);
    past.Future = false;
    past.Days = "7";
    const DateTimeValues values = AcceptDateTime(past).Entered;
    EXPECT_EQ(values.Format, 41);
    EXPECT_TRUE(values.LeadingZeros);
    EXPECT_FALSE(values.Future);
    EXPECT_EQ(values.Days, 7);
}

TEST(DateTimeFormTest, AnEditWritesTheSameTagBack) {
    struct Case {
        bool dates;
        const char* tag;
    };
    const Case cases[] = {
        {true, "<MM/DD/YY{YF000}>"},    {true, "<DD Mmmmm YYYY{NP030}>"},
        {true, "<Day of Week 4{YF999}>"}, {true, "<Mmmmm DD, YYYY{NF012}>"},
        {false, "<hh:mm{N}>"},          {false, "<hh:mm:ss AM{Y}>"},
        {false, "<hh,mma{N}>"},
    };
    for (const Case& c : cases) {
        const DateTimeFields fields = DateTimeFieldsOf(c.dates, DateTimeValuesOf(c.dates, Recognise(c.tag, 0)));
        EXPECT_EQ(AcceptDateTime(fields).Text, c.tag);
    }
    EXPECT_EQ(AcceptDateTime(DateTimeFieldsOf(true, DateTimeValuesOf(true, Recognise("<DD{Y}>", 0)))).Text,
              "<DD{YF000}>")
        << "the short form comes back in the long form";
    EXPECT_EQ(DateTimeValuesOf(true, Recognise("<hh:mm{N}>", 0)).Format, 0) << "a time tag is no date";
    EXPECT_EQ(DateTimeValuesOf(false, Recognise("<DD{YF000}>", 0)).Format, 0);
}

}  // namespace
}  // namespace tavrin
