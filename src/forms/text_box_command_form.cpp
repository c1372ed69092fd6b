#include "forms/text_box_command_form.h"

#include "language/tag_writer.h"

namespace tavrin {

TextBoxFields NewTextBoxFields() { return {}; }

TextBoxFields TextBoxFieldsOf(const TextBoxValues& values) {
    return {values.Header, values.Content};
}

TextBoxValues TextBoxValuesOf(const TagMatch& match) {
    return {match.Fields.Texts[0], match.Fields.Texts[1]};
}

CommandAnswer<TextBoxValues> AcceptTextBox(const TextBoxFields& fields) {
    TextBoxValues values{FieldText(fields.Header), fields.Content};
    TagFields tag;
    tag.Texts[0] = values.Header;
    tag.Texts[1] = values.Content;
    return Answer(WriteTag(TagKind::TextBox, tag), values);
}

}  // namespace tavrin
