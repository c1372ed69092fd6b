#include "forms/load_macro_file_form.h"

#include "language/tag_writer.h"

namespace tavrin {

LoadMacroFileFields NewLoadMacroFileFields() { return {}; }

LoadMacroFileFields LoadMacroFileFieldsOf(const LoadMacroFileValues& values) {
    return {values.Path};
}

LoadMacroFileValues LoadMacroFileValuesOf(const TagMatch& match) {
    if (match.Kind != TagKind::SwapFile) return {};
    return {match.Fields.Texts[0]};
}

CommandAnswer<LoadMacroFileValues> AcceptLoadMacroFile(const LoadMacroFileFields& fields,
                                                       FileSystem& files) {
    LoadMacroFileValues values{ExistingFile(files, fields.Path)};
    if (values.Path.empty())
        return Refuse<LoadMacroFileValues>(
            "Specified Macro File does not exist.  Please correct.", kMacroFilePathField);
    TagFields tag;
    tag.Texts[0] = values.Path;
    return Answer(WriteTag(TagKind::SwapFile, tag), values);
}

}  // namespace tavrin
