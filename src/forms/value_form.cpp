#include "forms/value_form.h"

#include "language/tag_writer.h"

namespace tavrin {

AltKeypadFields NewAltKeypadFields() { return {}; }

AltKeypadFields AltKeypadFieldsOf(const AltKeypadValues& values) {
    const std::string digits = NumberText(values.Code);
    const size_t width = values.FourDigits ? 4 : 3;
    return {digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits};
}

AltKeypadValues AltKeypadValuesOf(const TagMatch& match) {
    AltKeypadValues values;
    if (match.Kind != TagKind::AltCode && match.Kind != TagKind::AltCode4) return values;
    values.Code = match.Fields.Numbers[0];
    values.FourDigits = match.Kind == TagKind::AltCode4;
    return values;
}

CommandAnswer<AltKeypadValues> AcceptAltKeypad(const AltKeypadFields& fields) {
    AltKeypadValues values;
    if (!WholeNumber(fields.Number, values.Code))
        return Refuse<AltKeypadValues>("Value must be numeric.", 1);
    values.FourDigits = FieldText(fields.Number).size() == 4;
    TagFields tag;
    tag.Numbers[0] = values.Code;
    return Answer(WriteTag(values.FourDigits ? TagKind::AltCode4 : TagKind::AltCode, tag), values);
}

SchedulerFrequencyFields NewSchedulerFrequencyFields(int current) {
    return {NumberText(current)};
}

CommandAnswer<SchedulerFrequencyValues> AcceptSchedulerFrequency(
    const SchedulerFrequencyFields& fields) {
    SchedulerFrequencyValues values;
    values.Seconds = NumberOrZero(fields.Seconds);
    if (values.Seconds < 1 || values.Seconds > 60)
        return Refuse<SchedulerFrequencyValues>("Value must be between 1 and 60.", 1);
    return Answer(NumberText(values.Seconds), values);
}

}  // namespace tavrin
