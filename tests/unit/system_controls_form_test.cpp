#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "forms/system_controls_form.h"
#include "language/tag_recogniser.h"

namespace tavrin {
namespace {

constexpr char kBitmap[] = "C:\\WIN\\CLOUDS.BMP";

class SystemControlsFormTest : public ::testing::Test {
protected:
    SystemControlsFormTest() { store.contents[kBitmap] = {'B', 'M'}; }

    SystemControlsFields Fields(int kind, const std::string& number) {
        SystemControlsFields fields = NewSystemControlsFields();
        fields.Kind = kind;
        fields.Number = number;
        return fields;
    }
    SystemControlsFields Wallpaper(bool tile, int style, const std::string& x = "",
                                   const std::string& y = "", const std::string& bitmap = kBitmap) {
        SystemControlsFields fields = NewSystemControlsFields();
        fields.Kind = kWallpaperChoice;
        fields.Tile = tile;
        fields.Style = style;
        fields.X = x;
        fields.Y = y;
        fields.Bitmap = bitmap;
        return fields;
    }

    FakeFiles store;
    FakeFileSystem files{store};
};

TEST_F(SystemControlsFormTest, ANewCommand) {
    const SystemControlsFields fields = NewSystemControlsFields();
    EXPECT_EQ(fields.Kind, 1);
    EXPECT_EQ(fields.Number, "1");
    EXPECT_TRUE(fields.Tile);
    EXPECT_EQ(fields.Style, kWallpaperCentre);
}

TEST_F(SystemControlsFormTest, NumbersOutsideTheirRangeAreRefused) {
    const char* minutes = "Invalid minutes specified.  Valid values or 1 to 60.  Please correct.";
    const char* delay =
        "Invalid factor specified.  Valid values or 0 to 3.  0 = shortest delay.  Please correct.";
    const char* speed =
        "Invalid factor specified.  Valid values or 0 to 31.  0 = slowest speed.  Please correct.";
    const char* border = "Invalid value specified.  Valid values or 1 to 10.  Please correct.";
    struct Case {
        int kind;
        const char* number;
        const char* result;  // nullptr when refused with message
        const char* message;
    } cases[] = {
        {3, "1", "<SSTIME:01>", nullptr},    {3, "60", "<SSTIME:60>", nullptr},
        {3, "0", nullptr, minutes},          {3, "61", nullptr, minutes},
        {3, "", nullptr, minutes},           {4, "0", "<KEYDEL:0>", nullptr},
        {4, "3", "<KEYDEL:3>", nullptr},     {4, "4", nullptr, delay},
        {4, "-1", nullptr, delay},           {5, "0", "<KEYSPD:00>", nullptr},
        {5, "31", "<KEYSPD:31>", nullptr},   {5, "32", nullptr, speed},
        {5, "x", nullptr, speed},            {7, "1", "<WBSIZE:01>", nullptr},
        {7, " 10 ", "<WBSIZE:10>", nullptr}, {7, "0", nullptr, border},
        {7, "11", nullptr, border},
    };
    for (const Case& c : cases) {
        const auto answer = AcceptSystemControls(Fields(c.kind, c.number), files);
        if (c.result) {
            ASSERT_TRUE(answer.Ok()) << c.kind << " " << c.number;
            EXPECT_EQ(answer.Text, c.result);
        } else {
            EXPECT_EQ(answer.Refused.Message, c.message) << c.kind << " " << c.number;
            EXPECT_EQ(answer.Refused.Field, kSystemNumberField);
        }
    }
    EXPECT_EQ(AcceptSystemControls(Fields(1, "x"), files).Text, "<SSON>");
    EXPECT_EQ(AcceptSystemControls(Fields(2, "x"), files).Text, "<SSOFF>");
    EXPECT_EQ(AcceptSystemControls(Fields(0, "1"), files).Text, "");
}

TEST_F(SystemControlsFormTest, WallpaperChecksInOrder) {
    auto answer = AcceptSystemControls(Wallpaper(false, kWallpaperPosition, "a", "b", "X.BMP"),
                                       files);
    EXPECT_EQ(answer.Refused.Message, "Invalid X Coordinate specified. Please correct.");
    EXPECT_EQ(answer.Refused.Field, kWallpaperXField);
    answer = AcceptSystemControls(Wallpaper(false, kWallpaperPosition, "5", "", "X.BMP"), files);
    EXPECT_EQ(answer.Refused.Message, "Invalid Y Coordinate specified. Please correct.");
    EXPECT_EQ(answer.Refused.Field, kWallpaperYField);
    answer = AcceptSystemControls(Wallpaper(false, kWallpaperPosition, "5", "6", "X.BMP"), files);
    EXPECT_EQ(answer.Refused.Message, "Specified bitmap file does not exist.  Please correct.");
    EXPECT_EQ(answer.Refused.Field, kBitmapField);
    // The coordinates count only for Position, and a tiled bitmap is never positioned.
    EXPECT_TRUE(AcceptSystemControls(Wallpaper(false, kWallpaperStretch, "a", "b"), files).Ok());
    EXPECT_TRUE(AcceptSystemControls(Wallpaper(true, kWallpaperPosition, "a", "b"), files).Ok());
}

TEST_F(SystemControlsFormTest, WallpaperTags) {
    const std::string typed = std::string("  ") + kBitmap + " ";
    EXPECT_EQ(AcceptSystemControls(Wallpaper(true, kWallpaperStretch, "", "", typed), files).Text,
              "<WALLT:C:\\WIN\\CLOUDS.BMP>");
    EXPECT_EQ(AcceptSystemControls(Wallpaper(false, kWallpaperCentre), files).Text,
              "<WALLC:C:\\WIN\\CLOUDS.BMP>");
    EXPECT_EQ(AcceptSystemControls(Wallpaper(false, kWallpaperStretch), files).Text,
              "<WALLS:C:\\WIN\\CLOUDS.BMP>");
    const auto answer = AcceptSystemControls(Wallpaper(false, kWallpaperPosition, "10", "200"),
                                             files);
    EXPECT_EQ(answer.Text, "<WALLP:0010,0200C:\\WIN\\CLOUDS.BMP>");
    EXPECT_EQ(answer.Entered.Style, kWallpaperPosition);
    EXPECT_EQ(answer.Entered.X, 10);
    EXPECT_EQ(answer.Entered.Y, 200);
    EXPECT_EQ(answer.Entered.Bitmap, kBitmap);
}

TEST_F(SystemControlsFormTest, AnEditWritesTheSameTag) {
    for (const char* tag : {"<SSON>", "<SSOFF>", "<SSTIME:15>", "<KEYDEL:3>", "<KEYSPD:00>",
                            "<WBSIZE:04>", "<WALLT:C:\\WIN\\CLOUDS.BMP>",
                            "<WALLC:C:\\WIN\\CLOUDS.BMP>", "<WALLS:C:\\WIN\\CLOUDS.BMP>",
                            "<WALLP:0010,0200C:\\WIN\\CLOUDS.BMP>"}) {
        const auto answer = AcceptSystemControls(
            SystemControlsFieldsOf(SystemControlsValuesOf(Recognise(tag, 0))), files);
        ASSERT_TRUE(answer.Ok()) << tag << ": " << answer.Refused.Message;
        EXPECT_EQ(answer.Text, tag);
    }
}

}  // namespace
}  // namespace tavrin
