#include "forms/system_controls_form.h"

#include "language/tag_recogniser.h"
#include "language/tag_writer.h"

namespace tavrin {
namespace {

// The number choices: their tag, range and the message of a value outside it.
struct NumberChoice {
    int Kind;
    TagKind Tag;
    int Low;
    int High;
    const char* Message;
};

constexpr NumberChoice kNumberChoices[] = {
    {3, TagKind::ScreenSaverTime, 1, 60,
     "Invalid minutes specified.  Valid values or 1 to 60.  Please correct."},
    {4, TagKind::KeyboardDelay, 0, 3,
     "Invalid factor specified.  Valid values or 0 to 3.  0 = shortest delay.  Please correct."},
    {5, TagKind::KeyboardSpeed, 0, 31,
     "Invalid factor specified.  Valid values or 0 to 31.  0 = slowest speed.  Please correct."},
    {7, TagKind::BorderWidth, 1, 10,
     "Invalid value specified.  Valid values or 1 to 10.  Please correct."},
};

const NumberChoice* NumberChoiceOf(int kind) {
    for (const NumberChoice& c : kNumberChoices)
        if (c.Kind == kind) return &c;
    return nullptr;
}

constexpr TagKind kWallpaperTags[] = {TagKind::WallpaperTile, TagKind::WallpaperCentre,
                                      TagKind::WallpaperStretch, TagKind::WallpaperAt};

CommandAnswer<SystemControlsValues> AcceptWallpaper(const SystemControlsFields& fields,
                                                    FileSystem& files) {
    SystemControlsValues values;
    values.Kind = kWallpaperChoice;
    values.Style = fields.Tile ? kWallpaperTile : fields.Style;
    TagFields tag;
    if (values.Style == kWallpaperPosition) {
        if (!WholeNumber(fields.X, values.X))
            return Refuse<SystemControlsValues>("Invalid X Coordinate specified. Please correct.",
                                                kWallpaperXField);
        if (!WholeNumber(fields.Y, values.Y))
            return Refuse<SystemControlsValues>("Invalid Y Coordinate specified. Please correct.",
                                                kWallpaperYField);
        tag.Numbers = {values.X, values.Y, 0};
    }
    if (ExistingFile(files, fields.Bitmap).empty())
        return Refuse<SystemControlsValues>(
            "Specified bitmap file does not exist.  Please correct.", kBitmapField);
    values.Bitmap = FieldText(fields.Bitmap);
    tag.Texts[0] = values.Bitmap;
    return Answer(WriteTag(kWallpaperTags[values.Style], tag), values);
}

}  // namespace

SystemControlsFields NewSystemControlsFields() {
    SystemControlsFields fields;
    fields.Kind = 1;
    fields.Number = "1";
    fields.Tile = true;
    return fields;
}

SystemControlsFields SystemControlsFieldsOf(const SystemControlsValues& values) {
    SystemControlsFields fields = NewSystemControlsFields();
    fields.Kind = values.Kind;
    if (NumberChoiceOf(values.Kind)) fields.Number = NumberText(values.Number);
    if (values.Kind == kWallpaperChoice) {
        fields.Tile = values.Style == kWallpaperTile;
        if (!fields.Tile) fields.Style = values.Style;
        if (values.Style == kWallpaperPosition) {
            fields.X = NumberText(values.X);
            fields.Y = NumberText(values.Y);
        }
        fields.Bitmap = values.Bitmap;
    }
    return fields;
}

SystemControlsValues SystemControlsValuesOf(const TagMatch& match) {
    SystemControlsValues values;
    if (match.Kind == TagKind::ScreenSaverOn) values.Kind = 1;
    if (match.Kind == TagKind::ScreenSaverOff) values.Kind = 2;
    for (const NumberChoice& c : kNumberChoices)
        if (match.Kind == c.Tag) {
            values.Kind = c.Kind;
            values.Number = match.Fields.Numbers[0];
        }
    for (int style = kWallpaperTile; style <= kWallpaperPosition; ++style)
        if (match.Kind == kWallpaperTags[style]) {
            values.Kind = kWallpaperChoice;
            values.Style = style;
            values.Bitmap = match.Fields.Texts[0];
            if (style == kWallpaperPosition) {
                values.X = match.Fields.Numbers[0];
                values.Y = match.Fields.Numbers[1];
            }
        }
    return values;
}

CommandAnswer<SystemControlsValues> AcceptSystemControls(const SystemControlsFields& fields,
                                                         FileSystem& files) {
    SystemControlsValues values;
    values.Kind = fields.Kind;
    if (fields.Kind == 1) return Answer(WriteTag(TagKind::ScreenSaverOn), values);
    if (fields.Kind == 2) return Answer(WriteTag(TagKind::ScreenSaverOff), values);
    if (fields.Kind == kWallpaperChoice) return AcceptWallpaper(fields, files);
    const NumberChoice* choice = NumberChoiceOf(fields.Kind);
    if (!choice) return Answer(std::string(), values);
    if (!WholeNumber(fields.Number, values.Number) || values.Number < choice->Low ||
        values.Number > choice->High)
        return Refuse<SystemControlsValues>(choice->Message, kSystemNumberField);
    TagFields tag;
    tag.Numbers[0] = values.Number;
    return Answer(WriteTag(choice->Tag, tag), values);
}

const char* SystemNumberLabel(int kind) { return kind == 3 ? "Minutes" : "Factor"; }

bool SystemNumberShown(int kind) { return NumberChoiceOf(kind) != nullptr; }

}  // namespace tavrin
