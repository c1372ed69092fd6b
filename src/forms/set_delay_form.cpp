#include "forms/set_delay_form.h"

#include "language/tag_writer.h"

namespace tavrin {

SetDelayFields NewSetDelayFields() { return {}; }

SetDelayFields SetDelayFieldsOf(const SetDelayValues& values) {
    SetDelayFields f;
    f.Kind = values.Kind;
    if (values.Kind == kDelaySeconds) f.Seconds = RealText(values.Value);
    if (values.Kind == kDelayMilliseconds) f.Milliseconds = NumberText(static_cast<int>(values.Value));
    return f;
}

SetDelayValues SetDelayValuesOf(const TagMatch& tag) {
    SetDelayValues v;
    if (tag.Kind == TagKind::Delay) {
        v.Kind = kDelaySeconds;
        v.Value = tag.Fields.Real;
    } else if (tag.Kind == TagKind::DelayMs) {
        v.Kind = kDelayMilliseconds;
        v.Value = tag.Fields.Numbers[0];
    }
    return v;
}

CommandAnswer<SetDelayValues> AcceptSetDelay(const SetDelayFields& f) {
    SetDelayValues v;
    v.Kind = f.Kind;
    TagFields tag;
    if (f.Kind == kDelaySeconds) {
        double seconds = 0;
        if (!RealNumber(f.Seconds, seconds) || seconds <= 0 || seconds > 60)
            return Refuse<SetDelayValues>("Value must be greater than zero and no larger than 60.",
                                          kDelaySecondsField);
        v.Value = tag.Real = seconds;
        return Answer(WriteTag(TagKind::Delay, tag), v);
    }
    if (f.Kind == kDelayMilliseconds) {
        const int ms = NumberOrZero(f.Milliseconds);
        if (ms < 1)
            return Refuse<SetDelayValues>("Value must be greater than zero.", kDelayMillisecondsField);
        if (ms >= 10000)
            return Refuse<SetDelayValues>("Value must be less than 9999.", kDelayMillisecondsField);
        v.Value = tag.Numbers[0] = ms;
        return Answer(WriteTag(TagKind::DelayMs, tag), v);
    }
    return {};
}

}  // namespace tavrin
