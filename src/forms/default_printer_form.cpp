#include "forms/default_printer_form.h"

#include "language/tag_recogniser.h"
#include "language/tag_writer.h"

namespace tavrin {

std::vector<std::string> PrinterChoices(const std::vector<std::string>& names) {
    if (names.size() < 2) return {};
    return {names.begin() + 1, names.end()};
}

DefaultPrinterFields NewDefaultPrinterFields() { return {}; }

DefaultPrinterFields DefaultPrinterFieldsOf(const DefaultPrinterValues& values) {
    return {values.Name};
}

DefaultPrinterValues DefaultPrinterValuesOf(const TagMatch& match) {
    return {match.Fields.Texts[0]};
}

CommandAnswer<DefaultPrinterValues> AcceptDefaultPrinter(const DefaultPrinterFields& fields) {
    if (fields.Name.empty())
        return Refuse<DefaultPrinterValues>("No printer setting selected.", 1);
    TagFields tag;
    tag.Texts[0] = fields.Name;
    return Answer(WriteTag(TagKind::DefaultPrinter, tag), DefaultPrinterValues{fields.Name});
}

}  // namespace tavrin
