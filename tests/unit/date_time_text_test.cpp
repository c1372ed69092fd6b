#include "playback/date_time_text.h"

#include <gtest/gtest.h>

#include <string>

#include "language/date_time_codes.h"
#include "playback_rig.h"

namespace tavrin {
namespace {

int Date(const std::string& code) {
    for (size_t i = 0; i < kDateFormatCodes.size(); ++i)
        if (code == kDateFormatCodes[i]) return static_cast<int>(i);
    return -1;
}

int Time(const std::string& code) {
    for (size_t i = 0; i < kTimeFormatCodes.size(); ++i)
        if (code == kTimeFormatCodes[i]) return static_cast<int>(i);
    return -1;
}

LocalDateTime At(int y, int mo, int d, int h = 12, int mi = 0, int s = 0) {
    return LocalDateTime{y, mo, d, h, mi, s, 0};
}

TEST(DateText, PartsWithAndWithoutLeadingZeros) {
    const LocalDateTime march5 = At(1998, 3, 5);
    EXPECT_EQ(DateText(march5, Date("MM/DD/YY"), true, 0), "03/05/98");
    EXPECT_EQ(DateText(march5, Date("MM/DD/YY"), false, 0), "3/5/98");
    EXPECT_EQ(DateText(march5, Date("DD Mmmmm YYYY"), false, 30), "4 April 1998");
    EXPECT_EQ(DateText(march5, Date("Mmm DD, YYYY"), true, 0), "Mar 05, 1998");
    EXPECT_EQ(DateText(march5, Date("DD MMM YY"), true, 0), "05 MAR 98");
    EXPECT_EQ(DateText(march5, Date("YYYYMMDD"), true, 0), "19980305");
    EXPECT_EQ(DateText(At(2005, 9, 1), Date("YY"), false, 0), "05") << "YY is always two digits";
    EXPECT_EQ(DateText(At(2005, 9, 1), Date("Mmmmm"), false, 0), "September");
    EXPECT_EQ(DateText(At(2005, 9, 1), Date("MMM"), false, 0), "SEP");
    EXPECT_EQ(DateText(At(999, 9, 1), Date("YYYY"), true, 0), "0999");
    EXPECT_EQ(DateText(At(999, 9, 1), Date("YYYY"), false, 0), "999");
}

TEST(DateText, OffsetsAcrossMonthEndsLeapDaysAndYearEnds) {
    EXPECT_EQ(DateText(At(2024, 2, 28), Date("YYYY-MM-DD"), true, 1), "2024-02-29");
    EXPECT_EQ(DateText(At(2023, 2, 28), Date("YYYY-MM-DD"), true, 1), "2023-03-01");
    EXPECT_EQ(DateText(At(2026, 12, 31, 23, 59, 59), Date("YYYY-MM-DD"), true, 1), "2027-01-01");
    EXPECT_EQ(DateText(At(2027, 1, 1, 0, 0, 0), Date("YYYY-MM-DD"), true, -1), "2026-12-31");
    EXPECT_EQ(DateText(At(2026, 1, 31), Date("YYYY-MM-DD"), true, 999), "2028-10-26");
    EXPECT_EQ(DateText(At(2026, 3, 31), Date("YYYY-MM-DD"), true, -31), "2026-02-28");
}

TEST(DateText, DaysOfTheWeek) {
    const LocalDateTime monday = At(1998, 3, 30);
    EXPECT_EQ(DateText(monday, Date("Day of Week 1"), false, 0), "Mon");
    EXPECT_EQ(DateText(monday, Date("Day of Week 2"), false, 0), "MON");
    EXPECT_EQ(DateText(monday, Date("Day of Week 3"), false, 0), "Monday");
    EXPECT_EQ(DateText(monday, Date("Day of Week 4"), false, 0), "MONDAY");
    EXPECT_EQ(DateText(monday, Date("Day of Week 1"), false, -1), "Sun");
}

TEST(TimeText, TwentyFourAndTwelveHoursAndTheirSuffixes) {
    const LocalDateTime early = At(2027, 1, 4, 0, 7, 9);
    EXPECT_EQ(TimeText(early, Time("hh:mm:ss am"), true), "12:07:09 am");
    EXPECT_EQ(TimeText(early, Time("hh:mm"), true), "00:07");
    EXPECT_EQ(TimeText(early, Time("hh:mm"), false), "0:07");
    EXPECT_EQ(TimeText(early, Time("hhmmss"), true), "000709");
    const LocalDateTime afternoon = At(2027, 1, 4, 13, 5);
    EXPECT_EQ(TimeText(afternoon, Time("hh:mma"), false), "1:05p");
    EXPECT_EQ(TimeText(afternoon, Time("hh.mm AM"), true), "01.05 PM");
    EXPECT_EQ(TimeText(At(2027, 1, 4, 12, 0), Time("hh,mm am"), false), "12,00 pm")
        << "noon is 12 pm";
    EXPECT_EQ(TimeText(At(2027, 1, 4, 11, 59), Time("hh:mma"), false), "11:59a");
    EXPECT_EQ(TimeText(afternoon, Time("mm"), false), "05");
    EXPECT_EQ(TimeText(afternoon, Time("hh"), false), "13");
}

TEST(DateTimeExamples, TheDialogsExamplesComeFromTheSameCode) {
    EXPECT_EQ(DateExample(Date("MM/DD/YY")), "03/30/98");
    EXPECT_EQ(DateExample(Date("DD Mmmmm YYYY")), "30 March 1998");
    EXPECT_EQ(DateExample(Date("Day of Week 1")), "Mon");
    EXPECT_EQ(DateExample(Date("Day of Week 4")), "MONDAY");
    EXPECT_EQ(TimeExample(Time("hh:mm")), "15:04");
    EXPECT_EQ(TimeExample(Time("hh.mm.ss am")), "3.04.23 pm");
    EXPECT_EQ(TimeExample(Time("hh,mma")), "3,04p");
    EXPECT_EQ(TimeExample(Time("ss")), "23");
}

TEST(DateTimeTags, PlayTheirTextAndAnUnknownPatternIsTypedAsText) {
    PlaybackRig rig;
    rig.clock.now = At(1998, 3, 5, 13, 5);
    rig.player.PlayTopLevel("<MM/DD/YY{Y}><hh:mma{N}><Mmm DD YY{NP003}><mm/dd/yy{Y}>");
    EXPECT_EQ(TypedKeys(rig.input.events), "030598105pmar298mmddyyy");
}

}  // namespace
}  // namespace tavrin
