#include "forms/open_explorer_form.h"

#include "language/tag_writer.h"
#include "platform/file_system.h"

namespace tavrin {

OpenExplorerFields NewOpenExplorerFields() { return {}; }

OpenExplorerFields OpenExplorerFieldsOf(const OpenExplorerValues& values) {
    OpenExplorerFields fields;
    fields.Folder = values.Folder;
    return fields;
}

OpenExplorerValues OpenExplorerValuesOf(const TagMatch& match) {
    OpenExplorerValues values;
    values.Folder = match.Fields.Texts[0];
    return values;
}

CommandAnswer<OpenExplorerValues> AcceptOpenExplorer(const OpenExplorerFields& fields,
                                                     FileSystem& files) {
    using A = OpenExplorerValues;
    if (ExistingFolder(files, fields.Folder).empty())
        return Refuse<A>("Specified folder does not exist.  Please correct.", kOpenExplorerFolder);
    OpenExplorerValues values;
    values.Folder = FieldText(fields.Folder);
    TagFields tag;
    tag.Texts[0] = values.Folder;
    return Answer(WriteTag(TagKind::Explore, tag), values);
}

}  // namespace tavrin
