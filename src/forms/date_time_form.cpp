#include "forms/date_time_form.h"

#include "language/date_time_codes.h"
#include "language/tag_writer.h"
#include "playback/date_time_text.h"

namespace tavrin {

int DateTimeFormatCount(bool dates) {
    return static_cast<int>(dates ? kDateFormatCodes.size() : kTimeFormatCodes.size());
}

std::string DateTimeFormatCode(bool dates, int format) {
    if (format < 1 || format > DateTimeFormatCount(dates)) return "";
    return dates ? kDateFormatCodes[format - 1] : kTimeFormatCodes[format - 1];
}

std::string DateTimeFormatExample(bool dates, int format) {
    return dates ? DateExample(format - 1) : TimeExample(format - 1);
}

DateTimeFields NewDateTimeFields(bool dates, int format) {
    DateTimeFields fields;
    fields.Dates = dates;
    fields.Format = format >= 1 && format <= DateTimeFormatCount(dates) ? format : 0;
    return fields;
}

DateTimeFields DateTimeFieldsOf(bool dates, const DateTimeValues& values) {
    DateTimeFields fields = NewDateTimeFields(dates, values.Format);
    fields.NoLeadingZeros = !values.LeadingZeros;
    fields.Future = values.Future;
    fields.Days = NumberText(values.Days);
    return fields;
}

DateTimeValues DateTimeValuesOf(bool dates, const TagMatch& match) {
    DateTimeValues values;
    if (match.Kind != (dates ? TagKind::DateTag : TagKind::TimeTag)) return values;
    values.Format = match.Index + 1;
    values.LeadingZeros = match.Fields.Letters[0] == 'Y';
    if (dates) {
        values.Future = match.Fields.Letters[1] != 'P';
        values.Days = match.Fields.Numbers[0];
    }
    return values;
}

CommandAnswer<DateTimeValues> AcceptDateTime(const DateTimeFields& fields) {
    DateTimeValues values;
    if (fields.Format < 1 || fields.Format > DateTimeFormatCount(fields.Dates))
        return Answer("", values);
    values.Format = fields.Format;
    values.LeadingZeros = !fields.NoLeadingZeros;
    TagFields tag;
    tag.Letters[0] = values.LeadingZeros ? 'Y' : 'N';
    if (!fields.Dates) return Answer(WriteTag(TagKind::TimeTag, values.Format - 1, tag), values);
    values.Future = fields.Future;
    values.Days = NumberOrZero(fields.Days);
    tag.Letters[1] = values.Future ? 'F' : 'P';
    tag.Numbers[0] = values.Days;
    return Answer(WriteTag(TagKind::DateTag, values.Format - 1, tag), values);
}

}  // namespace tavrin
