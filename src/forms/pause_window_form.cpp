#include "forms/pause_window_form.h"

#include "language/tag_writer.h"

namespace tavrin {

PauseFields NewPauseFields() {
    PauseFields fields;
    fields.Kind = kComplexPause;
    fields.Top = "0";
    fields.Left = "0";
    return fields;
}

PauseFields PauseFieldsOf(const PauseValues& values) {
    PauseFields fields = NewPauseFields();
    fields.Kind = values.Kind;
    if (values.Kind == kComplexPause) {
        fields.Top = NumberText(values.Top);
        fields.Left = NumberText(values.Left);
        fields.Message = values.Message;
    }
    return fields;
}

PauseValues PauseValuesOf(const TagMatch& match) {
    PauseValues values;
    if (match.Kind == TagKind::Pause) values.Kind = kBasicPause;
    if (match.Kind == TagKind::PauseAt) {
        values.Kind = kComplexPause;
        values.Top = match.Fields.Numbers[0];
        values.Left = match.Fields.Numbers[1];
        values.Message = match.Fields.Texts[0];
    }
    return values;
}

CommandAnswer<PauseValues> AcceptPause(const PauseFields& fields) {
    PauseValues values;
    values.Kind = fields.Kind;
    if (fields.Kind == kBasicPause) return Answer(WriteTag(TagKind::Pause), values);
    if (fields.Kind != kComplexPause) return Answer("", PauseValues{});
    if (!WholeNumber(fields.Top, values.Top) || values.Top < 0)
        return Refuse<PauseValues>("Invalid Top Window Coordinate entered.  Please correct.",
                                   kPauseTopField);
    if (!WholeNumber(fields.Left, values.Left) || values.Left < 0)
        return Refuse<PauseValues>("Invalid Left Window Coordinate entered.  Please correct.",
                                   kPauseLeftField);
    values.Message = FieldText(fields.Message);
    TagFields tag;
    tag.Numbers = {values.Top, values.Left, 0};
    tag.Texts[0] = values.Message;
    return Answer(WriteTag(TagKind::PauseAt, tag), values);
}

}  // namespace tavrin
