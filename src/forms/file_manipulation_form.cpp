#include "forms/file_manipulation_form.h"

#include "language/tag_writer.h"
#include "platform/file_system.h"

namespace tavrin {
namespace {

constexpr TagKind kKinds[] = {TagKind::ChangeDir, TagKind::CopyFile, TagKind::RenameFile,
                              TagKind::DeleteFile, TagKind::MakeDir};

}  // namespace

bool FileManipulationOfFolder(int kind) { return kind == 1 || kind == 5; }
bool FileManipulationHasNewName(int kind) { return kind == 2 || kind == 3; }

FileManipulationFields NewFileManipulationFields() {
    FileManipulationFields fields;
    fields.Kind = 1;
    return fields;
}

FileManipulationFields FileManipulationFieldsOf(const FileManipulationValues& values) {
    FileManipulationFields fields;
    fields.Kind = values.Kind;
    fields.Path = values.Path;
    fields.NewName = values.NewName;
    return fields;
}

FileManipulationValues FileManipulationValuesOf(const TagMatch& match) {
    FileManipulationValues values;
    values.Kind = KindOf(kKinds, match.Kind);
    values.Path = match.Fields.Texts[0];
    if (FileManipulationHasNewName(values.Kind)) values.NewName = match.Fields.Texts[1];
    return values;
}

CommandAnswer<FileManipulationValues> AcceptFileManipulation(const FileManipulationFields& fields,
                                                             FileSystem& files) {
    using A = FileManipulationValues;
    const int kind = fields.Kind;
    if (kind < 1 || kind > 5) return Answer<A>("", {});
    FileManipulationValues values;
    values.Kind = kind;
    values.Path = FieldText(fields.Path);
    if (FileManipulationHasNewName(kind)) {
        values.NewName = FieldText(fields.NewName);
        if (values.NewName.empty())
            return Refuse<A>("No new name specified.  Please correct.", kFileManipulationNewName);
    }
    if (kind >= 2 && kind <= 4 && ExistingFile(files, values.Path).empty())
        return Refuse<A>("Specified Text File does not exist.  Please correct.",
                         kFileManipulationPath);
    if (kind == 1) {
        values.Path = ExistingFolder(files, values.Path);
        if (values.Path.empty())
            return Refuse<A>("Specified directory/folder does not exist.  Please correct.",
                             kFileManipulationPath);
    }
    TagFields tag;
    tag.Texts[0] = values.Path;
    tag.Texts[1] = values.NewName;
    return Answer(WriteTag(kKinds[kind - 1], tag), values);
}

}  // namespace tavrin
