#include "forms/dial_up_form.h"

#include "language/scrambled_password.h"
#include "language/tag_recogniser.h"
#include "language/tag_writer.h"

namespace tavrin {

DialUpFields NewDialUpFields() {
    DialUpFields fields;
    fields.Kind = kDialChoice;
    return fields;
}

DialUpFields DialUpFieldsOf(const DialUpValues& values) {
    return {values.Kind, values.Entry, values.User, ScramblePassword(values.Password)};
}

DialUpValues DialUpValuesOf(const TagMatch& match) {
    DialUpValues values;
    if (match.Kind == TagKind::HangUp) values.Kind = 2;
    if (match.Kind == TagKind::Dial)
        values = {kDialChoice, match.Fields.Texts[2], match.Fields.Texts[0], match.Fields.Texts[1]};
    return values;
}

Refusal DialEntryRefusal(const DialUpFields& fields) {
    Refusal refusal;
    if (fields.Entry.empty()) {
        refusal.Message = "No phone book entry has been selected.";
        refusal.Field = 1;
    }
    return refusal;
}

CommandAnswer<DialUpValues> AcceptDialUp(const DialUpFields& fields) {
    DialUpValues values;
    values.Kind = fields.Kind;
    if (fields.Kind == 2) return Answer(WriteTag(TagKind::HangUp), values);
    if (fields.Kind != kDialChoice) return Answer(std::string(), values);
    const Refusal refusal = DialEntryRefusal(fields);
    if (!refusal.Message.empty()) return Refuse<DialUpValues>(refusal.Message, refusal.Field);
    values.Entry = fields.Entry;
    values.User = FieldText(fields.User);
    values.Password = ScramblePassword(FieldText(fields.Password));
    TagFields tag;
    tag.Texts = {values.User, values.Password, values.Entry};
    return Answer(WriteTag(TagKind::Dial, tag), values);
}

}  // namespace tavrin
