#include "forms/remark_form.h"

#include "language/tag_writer.h"

namespace tavrin {

RemarkFields NewRemarkFields() { return {}; }

RemarkFields RemarkFieldsOf(const RemarkValues& values) { return {values.Comment}; }

RemarkValues RemarkValuesOf(const TagMatch& match) { return {match.Fields.Texts[0]}; }

CommandAnswer<RemarkValues> AcceptRemark(const RemarkFields& fields) {
    RemarkValues values{FieldText(fields.Comment)};
    TagFields tag;
    tag.Texts[0] = values.Comment;
    return Answer(WriteTag(TagKind::Remark, tag), values);
}

}  // namespace tavrin
