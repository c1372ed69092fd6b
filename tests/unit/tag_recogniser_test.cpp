#include "language/tag_recogniser.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "language/date_time_codes.h"
#include "language/tag_table.h"

namespace tavrin {
namespace {

TagMatch At(const std::string& text, size_t pos = 0) { return Recognise(text, pos); }

void ExpectLiteral(const std::string& text, size_t pos = 0) {
    TagMatch m = Recognise(text, pos);
    EXPECT_FALSE(m.IsTag()) << text;
    EXPECT_EQ(m.Length, 1u) << text;
}

TEST(TagRecogniser, FixedWidthTagsNeedTheirCloseAtTheEndOffset) {
    ExpectLiteral("<DELAY:1.5>");
    TagMatch delay = At("<DELAY:01.50>x");
    EXPECT_EQ(delay.Kind, TagKind::Delay);
    EXPECT_EQ(delay.Length, 13u);
    EXPECT_DOUBLE_EQ(delay.Fields.Real, 1.5);
    EXPECT_TRUE(delay.Fields.RealValid);
    ExpectLiteral("<SPEED:1.0>");
    TagMatch badSpeed = At("<SPEED:ab.cd>");
    EXPECT_EQ(badSpeed.Kind, TagKind::Speed);
    EXPECT_FALSE(badSpeed.Fields.RealValid);

    TagMatch keyDelay = At("<KEYDEL:2>");
    EXPECT_EQ(keyDelay.Kind, TagKind::KeyboardDelay);
    EXPECT_EQ(keyDelay.Length, 10u);
    EXPECT_EQ(keyDelay.Fields.Numbers[0], 2);
    ExpectLiteral("<KEYDEL:02>");

    // The ">" of the mouse-click waits is not tested, but must be there.
    TagMatch wait = At("<WAITLM:005x");
    EXPECT_EQ(wait.Kind, TagKind::WaitLeftClick);
    EXPECT_EQ(wait.Length, 12u);
    EXPECT_EQ(wait.Fields.Numbers[0], 5);
    ExpectLiteral("<WAITRM:005");

    TagMatch rep = At("<REP:0010:000001:000250>");
    EXPECT_EQ(rep.Kind, TagKind::RepeatCounter);
    EXPECT_EQ(rep.Length, 24u);
    EXPECT_EQ(rep.Fields.Numbers, (std::array<int, 3>{10, 1, 250}));

    // A non-digit ends the number and marks it invalid; the tag still stands.
    TagMatch alt = At("<ALT:1x3>");
    EXPECT_EQ(alt.Kind, TagKind::AltCode);
    EXPECT_EQ(alt.Fields.Numbers[0], 1);
    EXPECT_FALSE(alt.Fields.NumberValid[0]);
    EXPECT_TRUE(At("<ALT:065>").Fields.NumberValid[0]);

    TagMatch move = At("<MMS:-0012,00345>");
    EXPECT_EQ(move.Kind, TagKind::MoveScreen);
    EXPECT_EQ(move.Fields.Numbers[0], -12);
    EXPECT_EQ(move.Fields.Numbers[1], 345);
    EXPECT_TRUE(move.Fields.NumberValid[0] && move.Fields.NumberValid[1]);
    EXPECT_FALSE(At("<MMP:00-12,00345>").Fields.NumberValid[0]);
}

TEST(TagRecogniser, FreeTextEndsAtItsTerminatorOrTheEndOfTheText) {
    TagMatch remark = At("<REM:say <ENTER> twice>");
    EXPECT_EQ(remark.Kind, TagKind::Remark);
    EXPECT_EQ(remark.Fields.Texts[0], "say <ENTER");
    EXPECT_EQ(remark.Length, 16u);

    TagMatch open = At("<MACRUN:Morning mail");
    EXPECT_EQ(open.Kind, TagKind::MacroRun);
    EXPECT_EQ(open.Fields.Texts[0], "Morning mail");
    EXPECT_EQ(open.Length, 20u);

    // Fields before the text stand at fixed offsets; the separator is not tested.
    TagMatch wait = At("<WAITWIN:010xNotepad>rest");
    EXPECT_EQ(wait.Kind, TagKind::WaitWindow);
    EXPECT_EQ(wait.Fields.Numbers[0], 10);
    EXPECT_EQ(wait.Fields.Texts[0], "Notepad");
    EXPECT_EQ(wait.Length, 21u);
    TagMatch cut = At("<WAITWIN:01");
    EXPECT_EQ(cut.Kind, TagKind::WaitWindow);
    EXPECT_EQ(cut.Length, 11u);
    EXPECT_FALSE(cut.Fields.NumberValid[0]);

    TagMatch key = At("<WAITKEY:000:50>");
    EXPECT_EQ(key.Kind, TagKind::WaitKey);
    EXPECT_EQ(key.Fields.Numbers[1], 50);
    EXPECT_TRUE(key.Fields.NumberValid[1]);
    EXPECT_FALSE(At("<WAITKEY:000:>").Fields.NumberValid[1]);

    TagMatch box = At("<TBOX:<HEAD:Reminder>Call Bob>");
    EXPECT_EQ(box.Kind, TagKind::TextBox);
    EXPECT_EQ(box.Fields.Texts[0], "Reminder");
    EXPECT_EQ(box.Fields.Texts[1], "Call Bob");
    EXPECT_EQ(box.Length, 30u);

    TagMatch copy = At("<COPYFILE:A.TXT;B.TXT>");
    EXPECT_EQ(copy.Fields.Texts[0], "A.TXT");
    EXPECT_EQ(copy.Fields.Texts[1], "B.TXT");
    // A ">" before the ";" ends the tag.
    TagMatch half = At("<RENFILE:A.TXT><ENTER>;x>");
    EXPECT_EQ(half.Kind, TagKind::RenameFile);
    EXPECT_EQ(half.Fields.Texts[0], "A.TXT");
    EXPECT_EQ(half.Fields.Texts[1], "");
    EXPECT_EQ(half.Length, 15u);
}

TEST(TagRecogniser, NetworkAndDialUpTags) {
    TagMatch connect = At("<NWCPS:<NAME:bob><PASS:xyz>F:\\\\SRV\\DOCS>");
    EXPECT_EQ(connect.Kind, TagKind::NetConnect);
    EXPECT_EQ(connect.Fields.Flags, "PS");
    EXPECT_EQ(connect.Fields.Texts[0], "bob");
    EXPECT_EQ(connect.Fields.Texts[1], "xyz");
    EXPECT_EQ(connect.Fields.Texts[2], "F:\\\\SRV\\DOCS");
    EXPECT_EQ(connect.Length, 40u);

    TagMatch plain = At("<NWD:F:>");
    EXPECT_EQ(plain.Kind, TagKind::NetDisconnect);
    EXPECT_EQ(plain.Fields.Flags, "");
    EXPECT_EQ(plain.Fields.Texts[0], "F:");
    EXPECT_EQ(At("<NWDPFS:F:>").Fields.Flags, "PFS");
    EXPECT_EQ(At("<NWDFS:F:>").Fields.Flags, "FS");

    // The user and password markers must be there.
    ExpectLiteral("<NWC:F:\\\\SRV\\DOCS>");

    TagMatch dial = At("<DIAL:<NAME:ann><PASS:q>Office>");
    EXPECT_EQ(dial.Kind, TagKind::Dial);
    EXPECT_EQ(dial.Fields.Texts[0], "ann");
    EXPECT_EQ(dial.Fields.Texts[1], "q");
    EXPECT_EQ(dial.Fields.Texts[2], "Office");
}

TEST(TagRecogniser, LaunchTextAndItsParameters) {
    TagMatch bare = At("<LAUNCH:C:\\WINDOWS\\NOTEPAD.EXE>a");
    EXPECT_EQ(bare.Kind, TagKind::Launch);
    EXPECT_EQ(bare.Fields.Texts[0], "C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(bare.Fields.Texts[1], "");
    EXPECT_EQ(bare.Length, 31u);

    TagMatch empty = At("<LAUNCH:X.EXE<PARAM>>a");
    EXPECT_EQ(empty.Fields.Texts[0], "X.EXE");
    EXPECT_EQ(empty.Fields.Texts[1], "");
    EXPECT_EQ(empty.Length, 21u);

    TagMatch params = At("<LAUNCH:X.EXE<PARAM>/s a.txt>b");
    EXPECT_EQ(params.Fields.Texts[0], "X.EXE");
    EXPECT_EQ(params.Fields.Texts[1], "/s a.txt");
    EXPECT_EQ(params.Length, 29u);

    // "<PARAM" in a later tag does not belong to this one.
    TagMatch next = At("<LAUNCH:X.EXE><LAUNCH:Y<PARAM>z>");
    EXPECT_EQ(next.Fields.Texts[0], "X.EXE");
    EXPECT_EQ(next.Length, 14u);

    TagMatch no = At("<LAUNCHNO:05Untitled - Notepad<LAUNCH:NOTEPAD.EXE<PARAM>a.txt>");
    EXPECT_EQ(no.Kind, TagKind::LaunchNo);
    EXPECT_EQ(no.Fields.Numbers[0], 5);
    EXPECT_EQ(no.Fields.Texts[0], "Untitled - Notepad");
    EXPECT_EQ(no.Fields.Texts[1], "NOTEPAD.EXE");
    EXPECT_EQ(no.Fields.Texts[2], "a.txt");
    EXPECT_EQ(no.Length, 62u);

    TagMatch yes = At("<LAUNCHYES:12Calc<LAUNCH:CALC.EXE>");
    EXPECT_EQ(yes.Kind, TagKind::LaunchYes);
    EXPECT_EQ(yes.Fields.Numbers[0], 12);
    EXPECT_EQ(yes.Fields.Texts[0], "Calc");
    EXPECT_EQ(yes.Fields.Texts[1], "CALC.EXE");

    ExpectLiteral("<LAUNCHNO:05Notepad<ENTER>");
}

TEST(TagRecogniser, CurrentWindowMarkerNeedsItsQuotes) {
    TagMatch current = At("<WMAX:\"CURRENT\">");
    EXPECT_EQ(current.Kind, TagKind::WindowMax);
    EXPECT_TRUE(current.Fields.CurrentWindow);
    EXPECT_EQ(current.Length, 16u);

    TagMatch named = At("<WMAX:CURRENT>");
    EXPECT_EQ(named.Kind, TagKind::WindowMax);
    EXPECT_FALSE(named.Fields.CurrentWindow);
    EXPECT_EQ(named.Fields.Texts[0], "CURRENT");
    EXPECT_FALSE(At("<ACTIVATE:\"current\">").Fields.CurrentWindow);
    EXPECT_FALSE(At("<WCLS: \"CURRENT\">").Fields.CurrentWindow);
    EXPECT_TRUE(At("<WPOS2:-0010,00020\"CURRENT\">").Fields.CurrentWindow);
}

TEST(TagRecogniser, LiteralCharactersAndPositions) {
    ExpectLiteral("<enter>");
    ExpectLiteral("<Enter>");
    ExpectLiteral("a<b", 1);
    ExpectLiteral("abc", 0);
    ExpectLiteral("<");
    ExpectLiteral("<TAB");

    ExpectLiteral("<<TAB>");
    TagMatch tab = At("<<TAB>", 1);
    EXPECT_EQ(tab.Kind, TagKind::Tab);
    EXPECT_EQ(tab.Length, 5u);

    EXPECT_EQ(At("<ENTER>", 7).Length, 0u);
    EXPECT_EQ(At("", 0).Length, 0u);

    TagMatch f = At("<F24>");
    EXPECT_EQ(f.Kind, TagKind::FKey);
    EXPECT_EQ(f.Index, 24);
    TagMatch keypad = At("<KEYP7>");
    EXPECT_EQ(keypad.Kind, TagKind::KeypadDigit);
    EXPECT_EQ(keypad.Index, 7);
    EXPECT_EQ(At("<III>").Index, 3);
    EXPECT_EQ(At("<EXPUD>").Index, 13);
    ExpectLiteral("<F25>");
}

TEST(TagRecogniser, KeywordsThatBeginAlikeAreNotConfused) {
    struct Case {
        std::string Text;
        TagKind Kind;
        size_t Length;
    };
    const Case cases[] = {
        {"<ALT>", TagKind::Alt, 5},
        {"<ALT:065>", TagKind::AltCode, 9},
        {"<ALT4:0128>", TagKind::AltCode4, 11},
        {"<ALTD>", TagKind::AltDown, 6},
        {"<END>", TagKind::End, 5},
        {"<ENDREP>", TagKind::EndRepeat, 8},
        {"<ENDCLIP>", TagKind::EndClip, 9},
        {"<F1>", TagKind::FKey, 4},
        {"<F10>", TagKind::FKey, 5},
        {"<LAUNCH:A.EXE>", TagKind::Launch, 14},
        {"<LAUNCHNO:01A<LAUNCH:A.EXE>", TagKind::LaunchNo, 27},
        {"<WPOS:0010,0020A>", TagKind::WindowPos, 17},
        {"<WPOS2:00010,00020A>", TagKind::WindowPos2, 20},
        {"<CLIPTYPE>", TagKind::ClipType, 10},
        {"<CLIPTYPEI>", TagKind::ClipTypeIgnoreLines, 11},
        {"<AVI:A.AVI>", TagKind::Avi, 11},
        {"<AVII:A.AVI>", TagKind::AviNow, 12},
        {"<REP:0002:000001:000001>", TagKind::RepeatCounter, 24},
        {"<REPEAT:0002>", TagKind::Repeat, 13},
        {"<PAUSE>", TagKind::Pause, 7},
        {"<PAUSEKEY>", TagKind::PauseKey, 10},
        {"<I>", TagKind::Counter, 3},
        {"<IIII>", TagKind::Counter, 6},
    };
    for (const Case& c : cases) {
        TagMatch m = At(c.Text + "<TAB>");
        EXPECT_EQ(m.Kind, c.Kind) << c.Text;
        EXPECT_EQ(m.Length, c.Length) << c.Text;
    }
    EXPECT_EQ(At("<F1>").Index, 1);
    EXPECT_EQ(At("<F10>").Index, 10);
}

int DateIndex(const std::string& code) {
    for (size_t i = 0; i < kDateFormatCodes.size(); ++i)
        if (code == kDateFormatCodes[i]) return static_cast<int>(i);
    return -1;
}

TEST(TagRecogniser, DateAndTimeTags) {
    // Codes that begin like others are told apart by the "{" after them.
    for (const char* code : {"MM", "MMM", "MMM YYYY", "Mmm", "Mmm DD YY", "Mmm DD, YY", "Mmmmm",
                             "DD", "DD MMM YY", "YY", "YYYY", "Day of Week 4"}) {
        TagMatch m = At(std::string("<") + code + "{YP010}>");
        EXPECT_EQ(m.Kind, TagKind::DateTag) << code;
        EXPECT_EQ(m.Index, DateIndex(code)) << code;
        EXPECT_EQ(m.Length, std::string(code).size() + 9) << code;
    }

    TagMatch past = At("<MM/DD/YY{NP030}>");
    EXPECT_EQ(past.Fields.Letters, (std::array<char, 2>{'N', 'P'}));
    EXPECT_EQ(past.Fields.Numbers[0], 30);

    TagMatch shortForm = At("<MM/DD/YY{Y}>x");
    EXPECT_EQ(shortForm.Kind, TagKind::DateTag);
    EXPECT_EQ(shortForm.Length, 13u);
    EXPECT_EQ(shortForm.Fields.Letters, (std::array<char, 2>{'Y', 'F'}));
    EXPECT_EQ(shortForm.Fields.Numbers[0], 0);

    // The closing "}>" of the long form is not compared, but must be there.
    TagMatch loose = At("<DD{YF001xx");
    EXPECT_EQ(loose.Kind, TagKind::DateTag);
    EXPECT_EQ(loose.Length, 11u);
    EXPECT_EQ(loose.Fields.Numbers[0], 1);
    ExpectLiteral("<DD{YF001}");
    ExpectLiteral("<mm/dd/yy{Y}>");

    TagMatch time = At("<hh:mm am{Y}>");
    EXPECT_EQ(time.Kind, TagKind::TimeTag);
    EXPECT_EQ(time.Index, 11);
    EXPECT_EQ(time.Fields.Letters[0], 'Y');
    EXPECT_EQ(time.Length, 13u);
    EXPECT_EQ(At("<hh,mma{N}>").Index, 25);
    EXPECT_EQ(At("<mm{N}>").Kind, TagKind::TimeTag);
    EXPECT_EQ(At("<MM{N}>").Kind, TagKind::DateTag);
    ExpectLiteral("<hh:mm{X}>");
    ExpectLiteral("<hh:mm{NF000}>");
}

TEST(TagRecogniser, TableIsCompleteAndPrefixFree) {
    const auto& table = TagTable();
    std::set<TagKind> kinds;
    for (const TagPattern& p : table) kinds.insert(p.Kind);
    EXPECT_EQ(kinds.size(), static_cast<size_t>(TagKind::Count) - 1);
    EXPECT_EQ(kinds.count(TagKind::Literal), 0u);

    // The recogniser stops at the first keyword that matches.
    for (const TagPattern& a : table)
        for (const TagPattern& b : table)
            if (&a != &b)
                EXPECT_NE(b.Keyword.compare(0, a.Keyword.size(), a.Keyword), 0)
                    << a.Keyword << " begins " << b.Keyword;

    // Every fixed-width tag with fields closes with ">", every free one does not.
    for (const TagPattern& p : table) {
        if (p.Fields.empty()) {
            EXPECT_EQ(p.Keyword.back(), '>') << p.Keyword;
            EXPECT_EQ(p.EndOffset, p.Keyword.size() - 1) << p.Keyword;
        } else if (p.FixedWidth) {
            FieldType last = p.Fields.back().Type;
            EXPECT_TRUE(last == FieldType::Close || last == FieldType::LooseClose) << p.Keyword;
        }
    }
    EXPECT_EQ(FindTagPattern(TagKind::FKey, 24)->Keyword, "<F24>");
    EXPECT_EQ(FindTagPattern(TagKind::FKey, 25), nullptr);
    EXPECT_EQ(FindTagPattern(TagKind::DateTag, 50)->Keyword, "<Day of Week 4{");
    EXPECT_EQ(FindTagPattern(TagKind::TimeTag, 25)->Keyword, "<hh,mma{");
}

}  // namespace
}  // namespace tavrin
