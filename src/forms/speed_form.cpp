#include "forms/speed_form.h"

#include "language/tag_writer.h"

namespace tavrin {
namespace {

constexpr TagKind kTags[] = {TagKind::KeystrokeDelay, TagKind::MouseDelay, TagKind::Speed};
constexpr const char* kNegative = "Value must be zero or greater.";

}  // namespace

const char* SpeedLabel(int kind) {
    return kind == kMacroSpeed ? "Playback Factor" : "Delay in Milliseconds";
}

SpeedFields NewSpeedFields() {
    SpeedFields fields;
    fields.Kind = kKeyboardSpeed;
    return fields;
}

SpeedFields SpeedFieldsOf(const SpeedValues& values) {
    SpeedFields fields;
    fields.Kind = values.Kind;
    fields.Value =
        values.Kind == kMacroSpeed ? RealText(values.Factor) : NumberText(values.Milliseconds);
    return fields;
}

SpeedValues SpeedValuesOf(const TagMatch& match) {
    SpeedValues values;
    values.Kind = KindOf(kTags, match.Kind);
    if (values.Kind == kMacroSpeed)
        values.Factor = match.Fields.Real;
    else
        values.Milliseconds = match.Fields.Numbers[0];
    return values;
}

CommandAnswer<SpeedValues> AcceptSpeed(const SpeedFields& fields) {
    SpeedValues values;
    if (fields.Kind < kKeyboardSpeed || fields.Kind > kMacroSpeed) return Answer("", values);
    values.Kind = fields.Kind;
    TagFields tag;
    if (fields.Kind == kMacroSpeed) {
        // A factor that is no real is refused as a negative one is.
        if (!RealNumber(fields.Value, values.Factor) || values.Factor < 0)
            return Refuse<SpeedValues>(kNegative, kSpeedField);
        tag.Real = values.Factor;
    } else {
        values.Milliseconds = NumberOrZero(fields.Value);
        if (values.Milliseconds < 0) return Refuse<SpeedValues>(kNegative, kSpeedField);
        tag.Numbers[0] = values.Milliseconds;
    }
    return Answer(WriteTag(kTags[fields.Kind - 1], tag), values);
}

}  // namespace tavrin
