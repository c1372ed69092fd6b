#include <gtest/gtest.h>

#include "forms/audio_cd_form.h"

namespace tavrin {
namespace {

CommandAnswer<AudioCdValues> Accept(int kind, const std::string& number) {
    AudioCdFields fields;
    fields.Kind = kind;
    fields.Number = number;
    return AcceptAudioCd(fields);
}

TEST(AudioCdFormTest, ANewCommandPlaysWithTheNumberOne) {
    const AudioCdFields fields = NewAudioCdFields();
    EXPECT_EQ(fields.Kind, 1);
    EXPECT_EQ(fields.Number, "1");
}

TEST(AudioCdFormTest, TheNumberMustBeAWholeNumberFromOne) {
    const struct {
        int kind;
        const char* number;
        const char* message;
    } cases[] = {
        {6, "0", "Invalid track number specified.  Please correct."},
        {6, "", "Invalid track number specified.  Please correct."},
        {6, "x", "Invalid track number specified.  Please correct."},
        {7, "-1", "Invalid seconds specified.  Please correct."},
        {8, "1.5", "Invalid seconds specified.  Please correct."},
    };
    for (const auto& c : cases) {
        const auto answer = Accept(c.kind, c.number);
        EXPECT_EQ(answer.Refused.Message, c.message) << c.kind << " " << c.number;
        EXPECT_EQ(answer.Refused.Field, kAudioCdNumber);
    }
    EXPECT_TRUE(Accept(1, "").Ok()) << "only kinds 6 to 8 read the number";
}

TEST(AudioCdFormTest, EachKindWritesItsTag) {
    const char* tags[] = {"",          "<CDPLAY>",    "<CDSTOP>",    "<CDPAUSE>",
                          "<CDNEXT>",  "<CDPREV>",    "<CDGOTO:05>", "<CDSTEP:12>",
                          "<CDBACK:99>", "<CDEJECT>", "<CDCLOSE>"};
    const char* numbers[] = {"", "", "", "", "", "", " 5 ", "12", "99", "", ""};
    for (int kind = 0; kind <= 10; ++kind) {
        const auto answer = Accept(kind, numbers[kind]);
        EXPECT_TRUE(answer.Ok()) << kind;
        EXPECT_EQ(answer.Text, tags[kind]);
    }
    EXPECT_EQ(Accept(6, "5").Entered.Number, 5);
}

TEST(AudioCdFormTest, AnEditedTagComesBackUnchanged) {
    for (const char* tag : {"<CDPLAY>", "<CDSTOP>", "<CDPAUSE>", "<CDNEXT>", "<CDPREV>",
                            "<CDGOTO:05>", "<CDSTEP:12>", "<CDBACK:01>", "<CDEJECT>",
                            "<CDCLOSE>"})
        EXPECT_EQ(AcceptAudioCd(AudioCdFieldsOf(AudioCdValuesOf(Recognise(tag, 0)))).Text, tag);
    EXPECT_EQ(AudioCdFieldsOf(AudioCdValuesOf(Recognise("<CDEJECT>", 0))).Number, "1")
        << "a kind without the number keeps the new command's number";
}

}  // namespace
}  // namespace tavrin
