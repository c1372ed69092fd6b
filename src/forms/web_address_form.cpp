#include "forms/web_address_form.h"

#include "language/ansi_text.h"
#include "language/tag_writer.h"

namespace tavrin {

WebAddressFields NewWebAddressFields(bool ftp) {
    WebAddressFields fields;
    fields.Address = ftp ? "ftp://" : "http://";
    return fields;
}

WebAddressFields WebAddressFieldsOf(const WebAddressValues& values) {
    WebAddressFields fields;
    fields.Address = values.Address;
    return fields;
}

WebAddressValues WebAddressValuesOf(const TagMatch& match) {
    WebAddressValues values;
    values.Address = match.Fields.Texts[0];
    return values;
}

CommandAnswer<WebAddressValues> AcceptWebAddress(const WebAddressFields& fields, bool ftp) {
    WebAddressValues values;
    values.Address = FieldText(fields.Address);
    // A web address typed from its "www" on is given its scheme.
    if (!ftp && UpperCase(values.Address.substr(0, 3)) == "WWW")
        values.Address = "http://" + values.Address;
    TagFields tag;
    tag.Texts[0] = values.Address;
    return Answer(WriteTag(ftp ? TagKind::Ftp : TagKind::Http, tag), values);
}

}  // namespace tavrin
