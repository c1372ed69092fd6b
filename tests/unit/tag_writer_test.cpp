#include "language/tag_writer.h"

#include <gtest/gtest.h>

#include "language/tag_recogniser.h"
#include "language/tag_table.h"

namespace tavrin {
namespace {

TagFields Numbers(int a, int b = 0, int c = 0) {
    TagFields f;
    f.Numbers = {a, b, c};
    return f;
}

TagFields Real(double value) {
    TagFields f;
    f.Real = value;
    return f;
}

TagFields Texts(std::string a, std::string b = "", std::string c = "") {
    TagFields f;
    f.Texts = {a, b, c};
    return f;
}

TEST(TagWriter, NumbersRealsAndCoordinatesFillTheirWidths) {
    EXPECT_EQ(WriteTag(TagKind::RepeatCounter, Numbers(10, 1, 1)), "<REP:0010:000001:000001>");
    EXPECT_EQ(WriteTag(TagKind::KeyboardDelay, Numbers(2)), "<KEYDEL:2>");
    EXPECT_EQ(WriteTag(TagKind::AltCode, Numbers(65)), "<ALT:065>");
    EXPECT_EQ(WriteTag(TagKind::WaitMiddleClick, Numbers(5)), "<WAITMM:005>");

    EXPECT_EQ(WriteTag(TagKind::Delay, Real(1.5)), "<DELAY:01.50>");
    EXPECT_EQ(WriteTag(TagKind::Speed, Real(12.25)), "<SPEED:12.25>");
    EXPECT_EQ(WriteTag(TagKind::Speed, Real(0)), "<SPEED:00.00>");
    EXPECT_EQ(WriteTag(TagKind::Delay, Real(0.125)), "<DELAY:00.13>");

    EXPECT_EQ(WriteTag(TagKind::MoveScreen, Numbers(-12, 345)), "<MMS:-0012,00345>");
    EXPECT_EQ(WriteTag(TagKind::MoveBy, Numbers(0, -1)), "<MMP:00000,-0001>");

    // Values that do not fit are written as the nearest that does.
    EXPECT_EQ(WriteTag(TagKind::KeystrokeDelay, Numbers(12345)), "<SPKEY:9999>");
    EXPECT_EQ(WriteTag(TagKind::ScreenMode, Numbers(-3)), "<SCREEN:000>");
    EXPECT_EQ(WriteTag(TagKind::Delay, Real(150)), "<DELAY:99.99>");
    EXPECT_EQ(WriteTag(TagKind::MoveWindow, Numbers(-20000, 100000)), "<MMW:-9999,99999>");
}

TEST(TagWriter, TitlesAndLaunchTexts) {
    EXPECT_EQ(WriteTag(TagKind::WindowMax, Texts("  Untitled - Notepad ")),
              "<WMAX:Untitled - Notepad>");
    TagFields current;
    current.CurrentWindow = true;
    EXPECT_EQ(WriteTag(TagKind::Activate, current), "<ACTIVATE:\"CURRENT\">");
    TagFields pos = Numbers(-5, 20);
    pos.CurrentWindow = true;
    EXPECT_EQ(WriteTag(TagKind::WindowPos2, pos), "<WPOS2:-0005,00020\"CURRENT\">");

    EXPECT_EQ(WriteTag(TagKind::Launch, Texts("C:\\NOTEPAD.EXE")), "<LAUNCH:C:\\NOTEPAD.EXE>");
    EXPECT_EQ(WriteTag(TagKind::Launch, Texts("C:\\NOTEPAD.EXE", "a.txt")),
              "<LAUNCH:C:\\NOTEPAD.EXE<PARAM>a.txt>");
    TagFields launch = Texts(" Notepad ", "NOTEPAD.EXE", "a.txt");
    launch.Numbers[0] = 5;
    EXPECT_EQ(WriteTag(TagKind::LaunchNo, launch),
              "<LAUNCHNO:05Notepad<LAUNCH:NOTEPAD.EXE<PARAM>a.txt>");
    launch.Texts[2] = "";
    launch.Numbers[0] = 1;
    EXPECT_EQ(WriteTag(TagKind::LaunchYes, launch), "<LAUNCHYES:01Notepad<LAUNCH:NOTEPAD.EXE>");

    // Free text other than titles is written as given.
    EXPECT_EQ(WriteTag(TagKind::Remark, Texts(" note ")), "<REM: note >");
}

TEST(TagWriter, DateTimeNetworkAndSeparators) {
    EXPECT_EQ(WriteTag(TagKind::DateTag, 0, {}), "<MM/DD/YY{NF000}>");
    TagFields past = Numbers(30);
    past.Letters = {'Y', 'P'};
    EXPECT_EQ(WriteTag(TagKind::DateTag, 40, past), "<DD{YP030}>");
    TagFields hour;
    hour.Letters = {'Y', 0};
    EXPECT_EQ(WriteTag(TagKind::TimeTag, 11, hour), "<hh:mm am{Y}>");
    EXPECT_EQ(WriteTag(TagKind::TimeTag, 0, {}), "<hh:mm{N}>");

    TagFields connect = Texts("bob", "xyz", "F:\\\\SRV\\DOCS");
    connect.Flags = "SP";
    EXPECT_EQ(WriteTag(TagKind::NetConnect, connect), "<NWCPS:<NAME:bob><PASS:xyz>F:\\\\SRV\\DOCS>");
    EXPECT_EQ(WriteTag(TagKind::NetToggle, Texts("", "", "G:\\\\S\\X")),
              "<NWT:<NAME:><PASS:>G:\\\\S\\X>");
    TagFields disconnect = Texts("F:");
    disconnect.Flags = "SF";
    EXPECT_EQ(WriteTag(TagKind::NetDisconnect, disconnect), "<NWDFS:F:>");
    EXPECT_EQ(WriteTag(TagKind::Dial, Texts("ann", "q", "Office")),
              "<DIAL:<NAME:ann><PASS:q>Office>");

    EXPECT_EQ(WriteTag(TagKind::CopyFile, Texts("A.TXT", "B.TXT")), "<COPYFILE:A.TXT;B.TXT>");
    TagFields wait = Numbers(10);
    wait.Texts[0] = "Notepad";
    EXPECT_EQ(WriteTag(TagKind::WaitWindow, wait), "<WAITWIN:010:Notepad>");
    EXPECT_EQ(WriteTag(TagKind::WaitKey, Numbers(0, 50)), "<WAITKEY:000:50>");
    EXPECT_EQ(WriteTag(TagKind::WaitKey, Numbers(0, 5)), "<WAITKEY:000:05>");

    EXPECT_EQ(WriteTag(TagKind::FKey, 12, {}), "<F12>");
    EXPECT_EQ(WriteTag(TagKind::FKey, 25, {}), "");
    EXPECT_EQ(WriteTag(TagKind::Literal), "");
}

// Field values that fit every layout: numbers as wide as their field,
// letters and flags from their sets, texts without their terminators.
TagFields SampleFields(const TagPattern& p) {
    TagFields f;
    size_t number = 0, letter = 0, text = 0;
    for (const FieldLayout& s : p.Fields) {
        switch (s.Type) {
            case FieldType::Number: {
                int largest = 1;
                for (int k = 0; k < s.Width; ++k) largest *= 10;
                f.Numbers[number++] = largest - 3;
                break;
            }
            case FieldType::Signed: f.Numbers[number] = number == 0 ? -12 : 34567; ++number; break;
            case FieldType::KeyNumber: f.Numbers[number++] = 53; break;
            case FieldType::Real: f.Real = 7.25; break;
            case FieldType::Letter:
            case FieldType::Choice: f.Letters[letter++] = s.Chars[1]; break;
            case FieldType::Flags: f.Flags = s.Chars; break;
            case FieldType::Text:
            case FieldType::Title: f.Texts[text] = "t " + std::to_string(text); ++text; break;
            case FieldType::LaunchText:
                f.Texts[text++] = "C:\\PROG.EXE";
                f.Texts[text++] = "/s 1";
                break;
            default: break;
        }
    }
    return f;
}

void ExpectSameTag(const TagPattern& p, const TagFields& f) {
    const std::string tag = WriteTag(p.Kind, p.Index, f);
    ASSERT_FALSE(tag.empty()) << p.Keyword;
    // Surrounded by text, so a tag that runs on or stops short shows.
    TagMatch m = Recognise("ab" + tag + "<TAB>", 2);
    EXPECT_EQ(m.Kind, p.Kind) << tag;
    EXPECT_EQ(m.Index, p.Index) << tag;
    EXPECT_EQ(m.Length, tag.size()) << tag;
    EXPECT_EQ(m.Fields.Numbers, f.Numbers) << tag;
    EXPECT_EQ(m.Fields.NumberValid, (std::array<bool, 3>{true, true, true})) << tag;
    EXPECT_DOUBLE_EQ(m.Fields.Real, f.Real) << tag;
    EXPECT_TRUE(m.Fields.RealValid) << tag;
    EXPECT_EQ(m.Fields.Letters, f.Letters) << tag;
    EXPECT_EQ(m.Fields.Flags, f.Flags) << tag;
    EXPECT_EQ(m.Fields.Texts, f.Texts) << tag;
    EXPECT_EQ(m.Fields.CurrentWindow, f.CurrentWindow) << tag;
    if (p.FixedWidth) EXPECT_EQ(tag.size(), p.EndOffset + 1) << tag;

    // Cut short anywhere, the text is never read beyond its end.
    const std::string text = "ab" + tag;
    for (size_t cut = 2; cut < text.size(); ++cut) {
        TagMatch part = Recognise(text.substr(0, cut), 2);
        EXPECT_LE(2 + part.Length, cut) << tag << " cut at " << cut;
    }
}

TEST(TagWriter, EveryTagReadsBackAsWritten) {
    for (const TagPattern& p : TagTable()) {
        TagFields f = SampleFields(p);
        ExpectSameTag(p, f);
        bool hasTitle = false, hasLaunch = false;
        for (const FieldLayout& s : p.Fields) {
            hasTitle |= s.Type == FieldType::Title;
            hasLaunch |= s.Type == FieldType::LaunchText;
        }
        if (hasTitle) {
            f.CurrentWindow = true;
            f.Texts[0] = kCurrentWindowMarker;
            ExpectSameTag(p, f);
        }
        if (hasLaunch) {
            f.Texts[p.Kind == TagKind::Launch ? 1 : 2] = "";
            ExpectSameTag(p, f);
        }
    }
}

}  // namespace
}  // namespace tavrin
