#include "forms/audio_cd_form.h"

#include "language/tag_writer.h"

namespace tavrin {
namespace {

constexpr TagKind kKinds[] = {TagKind::CdPlay, TagKind::CdStop,     TagKind::CdPause,
                              TagKind::CdNext, TagKind::CdPrevious, TagKind::CdGoto,
                              TagKind::CdStep, TagKind::CdBack,     TagKind::CdEject,
                              TagKind::CdClose};

}  // namespace

bool AudioCdHasNumber(int kind) { return kind >= 6 && kind <= 8; }

AudioCdFields NewAudioCdFields() {
    AudioCdFields fields;
    fields.Kind = 1;
    fields.Number = "1";
    return fields;
}

AudioCdFields AudioCdFieldsOf(const AudioCdValues& values) {
    AudioCdFields fields = NewAudioCdFields();
    fields.Kind = values.Kind;
    if (AudioCdHasNumber(values.Kind)) fields.Number = NumberText(values.Number);
    return fields;
}

AudioCdValues AudioCdValuesOf(const TagMatch& match) {
    AudioCdValues values;
    values.Kind = KindOf(kKinds, match.Kind);
    if (AudioCdHasNumber(values.Kind)) values.Number = match.Fields.Numbers[0];
    return values;
}

CommandAnswer<AudioCdValues> AcceptAudioCd(const AudioCdFields& fields) {
    using A = AudioCdValues;
    if (fields.Kind < 1 || fields.Kind > 10) return Answer<A>("", {});
    AudioCdValues values;
    values.Kind = fields.Kind;
    if (AudioCdHasNumber(values.Kind) &&
        (!WholeNumber(fields.Number, values.Number) || values.Number < 1))
        return Refuse<A>(values.Kind == 6 ? "Invalid track number specified.  Please correct."
                                          : "Invalid seconds specified.  Please correct.",
                         kAudioCdNumber);
    TagFields tag;
    tag.Numbers[0] = values.Number;
    return Answer(WriteTag(kKinds[values.Kind - 1], tag), values);
}

}  // namespace tavrin
